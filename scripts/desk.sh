#!/usr/bin/env bash
# Runs the end-to-end checks on a real desk of several monitors (scripts/desk-env.sh): the main
# suite, then the monitors suite, each with its own X server. Needs root (Xorg) and built trees.
#   scripts/desk.sh two|three
# Reports: build/e2e-desk-DESK.log (main suite) and build/e2e-desk-DESK-monitors.log (the monitors
# suite; on the desk of two also the short soak).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
desk="${1:-}"
[[ "$desk" == two || "$desk" == three ]] || { echo "usage: scripts/desk.sh two|three" >&2; exit 2; }

status=0
VARDEK_DESK="$desk" VARDEK_E2E_LOG="$root/build/e2e-desk-$desk.log" "$root/scripts/e2e.sh" || status=1
# The monitors suite, and on the desk of two the short soak of random real input after it.
soak=()
[[ "$desk" == two ]] && soak=(--soak 500)
VARDEK_DESK="$desk" VARDEK_E2E_LOG="$root/build/e2e-desk-$desk-monitors.log" VARDEK_E2E_TIMEOUT=900 \
    "$root/scripts/e2e.sh" --desk "$desk" "${soak[@]}" || status=1
exit "$status"
