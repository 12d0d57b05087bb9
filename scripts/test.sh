#!/usr/bin/env bash
# Every test: installs what is missing, builds both trees, runs the behaviour tests (GoogleTest over the
# headless toolkit) and then the end-to-end tests (the real vardek.exe under Wine on a private Xvfb
# screen; screenshots in build/screenshots/). Exits non-zero if anything fails; the last line is the
# end-to-end summary "N passed, N failed".
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/install-deps.sh
bash scripts/build.sh

behaviour=0
ctest --test-dir build/host --output-on-failure --timeout 600 -j2 || behaviour=$?
if [[ "$behaviour" -ne 0 ]]; then
    echo "test: behaviour tests FAILED (ctest exit status $behaviour); running the end-to-end tests anyway"
fi

e2e=0
bash scripts/e2e.sh || e2e=$?

[[ "$behaviour" -eq 0 && "$e2e" -eq 0 ]]
