#!/usr/bin/env bash
# The long soak: builds, then drives the real vardek.exe under Wine with random real input and checks
# that it still runs, holds as many window-system objects as before and measures exactly.
#   scripts/soak.sh [INPUTS [SEED]]     defaults: 5000 inputs, the driver's fixed seed
# The report goes to build/e2e-soak.log; the exit status is non-zero on any failure.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
inputs="${1:-5000}"
seed=()
[[ $# -ge 2 ]] && seed=(--seed "$2")

if [[ -z "${VARDEK_EXE:-}" || -z "${VARDEK_E2E:-}" ]]; then
    bash "$root/scripts/install-deps.sh"
    bash "$root/scripts/build.sh"
fi
export VARDEK_E2E_LOG="${VARDEK_E2E_LOG:-$root/build/e2e-soak.log}"
# About 20 inputs a second, and a minute for start-up and the checks around them.
export VARDEK_E2E_TIMEOUT="${VARDEK_E2E_TIMEOUT:-$((inputs / 10 + 120))}"
exec bash "$root/scripts/e2e.sh" --soak "$inputs" "${seed[@]}"
