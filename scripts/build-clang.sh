#!/usr/bin/env bash
# Builds the Windows tree a second time with Clang for the MinGW-w64 target (build/clang,
# cmake/clang-mingw-w64-x86_64.cmake): another compiler's warnings over the same code. Release, two
# jobs. The compiler's warnings are errors already (-Werror); this also fails on any warning from
# CMake, the compiler driver, the linker or windres, which -Werror does not reach. Only built: the
# tests run on build/mingw.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

log=build/clang-build.log
mkdir -p build
status=0
{
    cmake -S . -B build/clang -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/clang-mingw-w64-x86_64.cmake" &&
        cmake --build build/clang -j2
} 2>&1 | tee "$log" || status=$?
if [[ "$status" -ne 0 ]]; then
    echo "build-clang: the Clang build FAILED (report: $log)" >&2
    exit "$status"
fi
if grep -qiE 'warning[:( ]' "$log"; then
    echo "build-clang: the Clang build gave warnings (report: $log):" >&2
    grep -iE 'warning[:( ]' "$log" >&2
    exit 1
fi
echo "build-clang: build/clang built without a warning"
