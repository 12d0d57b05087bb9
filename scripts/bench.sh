#!/usr/bin/env bash
# Runs the benchmarks and prints their figures: the microbenchmarks (Google Benchmark, host build
# without sanitizers), then vardek.exe beside the baseline program under Wine on a private Xvfb
# screen, both started by the driver in one virtual desktop. Builds its own trees: build/bench-host
# and build/bench-mingw. Not a test: it reports figures and PASS/MISS per target, and exits non-zero
# only when the run itself failed. The last report is kept in build/bench.log.
#   VARDEK_BENCH_ARGS adds driver options (--starts N --moves N --keys N --snapshots N --cycles N).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
"$root/scripts/install-deps.sh"

cmake -S . -B build/bench-host -DCMAKE_BUILD_TYPE=Release -DVARDEK_SANITIZE=OFF >/dev/null
cmake --build build/bench-host -j2 --target vardek_micro_bench
cmake -S . -B build/bench-mingw -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build build/bench-mingw -j2 --target vardek vardek-bench vardek-baseline

log="$root/build/bench.log"
{
    echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//'), $(nproc) CPUs"
    echo "wine: $(wine --version 2>/dev/null)"
    echo "xvfb: $(dpkg-query -W -f='${Version}' xvfb 2>/dev/null)"
    echo
    echo "== microbenchmarks (headless toolkit, host g++ Release, no sanitizers)"
} | tee "$log"
build/bench-host/bench/micro/vardek_micro_bench --benchmark_min_time=0.2 2>&1 | tee -a "$log"

# A desktop big enough for a 1600 x 900 opening with the frame around it.
export VARDEK_SCREEN_SIZE=1920x1200
export VARDEK_WINEPREFIX="${VARDEK_WINEPREFIX:-$root/build/wineprefix-bench}"
source "$root/scripts/wine-env.sh"
trap vardek_stop EXIT
vardek_start_xvfb
vardek_wine_prefix

win32="$root/build/bench-mingw"
echo | tee -a "$log"
echo "== vardek.exe beside the baseline (Wine virtual desktop $VARDEK_SCREEN_SIZE on Xvfb)" | tee -a "$log"
status=0
# shellcheck disable=SC2086  # the extra options are words on purpose
timeout -k 10 900 wine explorer "/desktop=vardek-bench,$VARDEK_SCREEN_SIZE" "$win32/bench/vardek-bench.exe" \
    --exe "$(vardek_winpath "$win32/src/program/vardek.exe")" \
    --baseline "$(vardek_winpath "$win32/bench/vardek-baseline.exe")" ${VARDEK_BENCH_ARGS:-} 2>&1 |
    tee -a "$log" || status=$?
grep -aq '^bench: done' "$log" || { echo "bench: the driver did not finish (exit status $status)"; exit 1; }
