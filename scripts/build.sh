#!/usr/bin/env bash
# Configures and builds both trees: build/host (host g++: the behaviour tests) and build/mingw
# (MinGW-w64 cross build: vardek.exe and vardek-e2e.exe). Release, two jobs.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

cmake -S . -B build/host -DCMAKE_BUILD_TYPE=Release
cmake --build build/host -j2

cmake -S . -B build/mingw -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake"
cmake --build build/mingw -j2
