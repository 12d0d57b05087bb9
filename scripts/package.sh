#!/usr/bin/env bash
# Builds the release package build/mingw/vardek-<version>-win64.zip with CPack and checks that it
# holds every file. Run it after scripts/e2e.sh and scripts/desk.sh two: the package ships those runs'
# screenshots.
#   VARDEK_MINGW_TREE overrides the cross-built tree (default build/mingw).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

tree="${VARDEK_MINGW_TREE:-build/mingw}"
shots="$PWD/build/screenshots"
fail() {
    echo "package: $*" >&2
    exit 1
}

[[ -f "$tree/CMakeCache.txt" ]] || fail "no configured tree $tree (run scripts/build.sh)"
for shot in startup measurement collection loupe desk-two-seam; do
    [[ -s "$shots/$shot.png" ]] || fail "missing $shots/$shot.png (run scripts/e2e.sh first)"
done

cmake -S . -B "$tree" -DVARDEK_SCREENSHOTS="$shots" >/dev/null
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$tree/CMakeCache.txt")"
name="vardek-$version-win64"
zip="$tree/$name.zip"
rm -f "$zip"
cmake --build "$tree" -j2 --target vardek
# The screenshots must show this very program, not an older build.
exe="$tree/src/program/vardek.exe"
for shot in startup measurement collection loupe desk-two-seam; do
    [[ "$shots/$shot.png" -nt "$exe" ]] || fail "$shots/$shot.png is older than $exe (run scripts/e2e.sh first)"
done
cmake --build "$tree" -j2 --target package
[[ -f "$zip" ]] || fail "cpack made no $zip"

expected=(
    vardek.exe vardek-help.html README.en.md README.ja.md LICENSE.txt
    screenshots/startup.png screenshots/measurement.png screenshots/collection.png screenshots/loupe.png
    screenshots/seam.png
)
listing="$(unzip -Z1 "$zip")"
missing=0
for file in "${expected[@]}"; do
    if ! grep -qxF "$name/$file" <<<"$listing"; then
        echo "package: $zip lacks $name/$file" >&2
        missing=1
    fi
done
[[ "$missing" -eq 0 ]] || exit 1
# A Windows executable, not an empty or truncated file.
[[ "$(unzip -p "$zip" "$name/vardek.exe" | head -c 2)" == MZ ]] || fail "$name/vardek.exe is not a program"

unzip -l "$zip"
echo "package: $zip holds all ${#expected[@]} files"
