#!/usr/bin/env bash
# Every test: installs what is missing, builds the trees, runs the behaviour tests (GoogleTest over the
# headless toolkit) and then the end-to-end tests (the real vardek.exe under Wine on a private Xvfb
# screen; screenshots in build/screenshots/), and again on desks of two and three monitors. Exits
# non-zero if anything fails; each end-to-end run ends with its summary "N passed, N failed". Last, the release package with those screenshots
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
# The suites once more on real desks of two and three monitors: the main suite, then the monitors
# suite (and on the desk of two the short soak). Xorg needs root. Reports: build/e2e-desk-*.log.
desks=0
for desk in two three; do
    if [[ "$(id -u)" -eq 0 ]]; then
        bash scripts/desk.sh "$desk" || desks=1
    elif sudo -n true 2>/dev/null; then
        sudo -E bash scripts/desk.sh "$desk" || desks=1
    else
        echo "test: the desk of $desk monitors needs root for Xorg (run as root, or with sudo): FAILED" >&2
        desks=1
    fi
done
# The package ships the main run's screenshots and the seam's, so it comes after the end-to-end tests.
package=0
bash scripts/package.sh || package=$?
tidy=0
bash scripts/tidy.sh || tidy=$?

[[ "$behaviour" -eq 0 && "$e2e" -eq 0 && "$robust" -eq 0 && "$dpi" -eq 0 && "$desks" -eq 0 && "$package" -eq 0 &&
    "$tidy" -eq 0 ]]
