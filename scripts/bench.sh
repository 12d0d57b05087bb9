#!/usr/bin/env bash
# Runs the benchmarks and prints their figures: the microbenchmarks (Google Benchmark, host build
# without sanitizers), then vardek.exe beside the baseline programs under Wine on a private Xvfb
# screen (the plain baseline, the same with vardek.exe's manifest, and one with seven readouts), all
# started by the driver in one virtual desktop; then the snapshot stage once more at an
# opening of 3200 x 1800, on a 3840 x 2160 screen and desktop of its own. Builds its own trees:
# build/bench-host and build/bench-mingw, where vardek.exe counts its own heap (VARDEK_COUNT_HEAP).
# Not a test: it reports figures and PASS/MISS per target, and exits non-zero only when a run itself
# failed. The last report is kept in build/bench.log.
#   VARDEK_BENCH_ARGS adds driver options (--starts N --moves N --keys N --snapshots N --cycles N
#   --views N --stages ...).
#   VARDEK_BENCH_EXE measures another build of vardek.exe (an earlier commit's, say) instead of this
#   tree's, beside the same baseline and driver: how before and after are compared on one machine.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
"$root/scripts/install-deps.sh"

cmake -S . -B build/bench-host -DCMAKE_BUILD_TYPE=Release -DVARDEK_SANITIZE=OFF >/dev/null
cmake --build build/bench-host -j2 --target vardek_micro_bench
cmake -S . -B build/bench-mingw -DCMAKE_BUILD_TYPE=Release -DVARDEK_COUNT_HEAP=ON \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build build/bench-mingw -j2 --target vardek vardek-bench vardek-baseline vardek-baseline-manifest \
    vardek-baseline-readouts

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
exe="${VARDEK_BENCH_EXE:-$win32/src/program/vardek.exe}"
echo "vardek.exe: $exe" | tee -a "$log"
# Runs the driver in a virtual desktop of the screen's size, with extra driver options if given.
run_driver() {
    local status=0 finished
    finished="$(grep -ac '^bench: done' "$log" || true)"
    echo | tee -a "$log"
    echo "== vardek.exe beside the baseline (Wine virtual desktop $VARDEK_SCREEN_SIZE on Xvfb)" | tee -a "$log"
    # Other work on the machine moves the figures: say how busy it was.
    echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)" | tee -a "$log"
    # shellcheck disable=SC2086  # the extra options are words on purpose
    timeout -k 10 1800 wine explorer "/desktop=vardek-bench,$VARDEK_SCREEN_SIZE" "$win32/bench/vardek-bench.exe" \
        --exe "$(vardek_winpath "$exe")" \
        --baseline "$(vardek_winpath "$win32/bench/vardek-baseline.exe")" \
        --baseline-manifest "$(vardek_winpath "$win32/bench/vardek-baseline-manifest.exe")" \
        --baseline-readouts "$(vardek_winpath "$win32/bench/vardek-baseline-readouts.exe")" \
        ${VARDEK_BENCH_ARGS:-} "$@" 2>&1 |
        tee -a "$log" || status=$?
    echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)" | tee -a "$log"
    [[ "$(grep -ac '^bench: done' "$log" || true)" -gt "$finished" ]] ||
        { echo "bench: the driver did not finish (exit status $status)"; exit 1; }
}
run_driver

# The largest opening needs a desktop larger than the first screen: a new screen, a new desktop. The
# smaller openings again beside it, so that the growth with the area is read on one desktop.
vardek_stop
export VARDEK_SCREEN_SIZE=3840x2160
vardek_start_xvfb
run_driver --stages snapshot --openings 800x600,1600x900,3200x1800
