#!/usr/bin/env bash
# Configures and builds the trees: build/host (host g++: the behaviour tests), build/mingw
# (MinGW-w64 cross build: vardek.exe and vardek-e2e.exe) and build/clang (the same with Clang, only
# built, failing on any warning: scripts/build-clang.sh). Release, two jobs.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

cmake -S . -B build/host -DCMAKE_BUILD_TYPE=Release
cmake --build build/host -j2

cmake -S . -B build/mingw -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake"
cmake --build build/mingw -j2

bash scripts/build-clang.sh
