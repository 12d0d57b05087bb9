#!/usr/bin/env bash
# Static checks on built trees: clang-format over the git-tracked C++ sources, then clang-tidy (the
# checked-in .clang-tidy, every finding an error) over the behaviour code and the behaviour tests from
# build/host, and over the Win32 toolkit and the end-to-end driver from build/mingw, parsed by clang
# for the MinGW-w64 target with that compiler's C++ headers. Exits non-zero on any finding.
#   VARDEK_HOST_TREE / VARDEK_MINGW_TREE override the trees (defaults build/host, build/mingw).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

host="${VARDEK_HOST_TREE:-build/host}"
mingw="${VARDEK_MINGW_TREE:-build/mingw}"
for tree in "$host" "$mingw"; do
    [[ -f "$tree/compile_commands.json" ]] || { echo "tidy: no $tree/compile_commands.json (run scripts/build.sh)" >&2; exit 1; }
done

status=0
mapfile -t sources < <(git ls-files '*.cpp' '*.h')
if clang-format --dry-run --Werror "${sources[@]}"; then
    echo "tidy: clang-format: ${#sources[@]} files formatted"
else
    echo "tidy: clang-format: the files above are not formatted (clang-format -i FILE)" >&2
    status=1
fi

# run-clang-tidy prints the command for every file and a count of the warnings it hid in system
# headers; keep only the findings.
tidy() {
    local tree="$1" files="$2" label="$3" rc=0
    shift 3
    set +e
    run-clang-tidy -p "$tree" -j2 -quiet "$@" "$PWD/($files)/" 2>&1 | grep -vE '^clang-tidy-[0-9]+ |^[0-9]+ warnings? generated\.$'
    rc="${PIPESTATUS[0]}"
    set -e
    if [[ "$rc" -eq 0 ]]; then
        echo "tidy: clang-tidy, $label: clean"
    else
        echo "tidy: clang-tidy, $label: FAILED" >&2
        status=1
    fi
}

tidy "$host" 'src|tests/behaviour' 'behaviour code and tests'

# Clang knows the MinGW-w64 target and its Windows headers but not where Debian keeps the C++ ones.
compiler="$(sed -n 's/^set(CMAKE_CXX_COMPILER "\(.*\)")$/\1/p' "$mingw"/CMakeFiles/*/CMakeCXXCompiler.cmake | head -n 1)"
[[ -n "$compiler" ]] || { echo "tidy: no C++ compiler recorded in $mingw" >&2; exit 1; }
extra=(-extra-arg=--target=x86_64-w64-mingw32)
while read -r dir; do
    extra+=("-extra-arg=-isystem$dir")
done < <(echo | "$compiler" -xc++ -E -v - 2>&1 | sed -n 's/^ \(.*\/c++.*\)$/\1/p')
tidy "$mingw" 'src/platform/win32|src/program|tests/e2e' 'Win32 toolkit and end-to-end driver' "${extra[@]}"

exit "$status"
