#!/usr/bin/env bash
# Every test: installs what is missing, builds both trees, runs the behaviour tests (GoogleTest over the
# headless toolkit) and then the end-to-end tests (the real vardek.exe under Wine on a private Xvfb
# screen; screenshots in build/screenshots/). Exits non-zero if anything fails; each end-to-end run
# ends with its summary "N passed, N failed". Last, the release package with those screenshots
# (scripts/package.sh) and the static checks, clang-format and clang-tidy (scripts/tidy.sh).
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
# Hostile surroundings and a short soak of random real input (the long one is scripts/soak.sh), then
# the program at 144 DPI in a prefix of its own. Reports: build/e2e-robust.log, build/e2e-dpi.log.
robust=0
VARDEK_E2E_LOG="$PWD/build/e2e-robust.log" VARDEK_E2E_TIMEOUT=900 bash scripts/e2e.sh --hostile --soak 500 || robust=$?
dpi=0
bash scripts/e2e-dpi.sh || dpi=$?
# The package ships the main run's screenshots, so it comes after the end-to-end tests.
package=0
bash scripts/package.sh || package=$?
tidy=0
bash scripts/tidy.sh || tidy=$?

[[ "$behaviour" -eq 0 && "$e2e" -eq 0 && "$robust" -eq 0 && "$dpi" -eq 0 && "$package" -eq 0 && "$tidy" -eq 0 ]]
