#!/bin/sh
# Makes vardek.ico (32x32 and 16x16) from the pixel-art sources next to this script.
# Needs ImageMagick; the generated icon is kept in the repository, so builds do not.
set -eu
cd "$(dirname "$0")"
if command -v magick >/dev/null 2>&1; then
    convert="magick"
else
    convert="convert"
fi
"$convert" vardek-32.xpm vardek-16.xpm vardek.ico
