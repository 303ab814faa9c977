#!/usr/bin/env bash
# Regenerates the small pictures the Win32 tests decode: one BMP, one JPEG
# and one GIF, each of its own size so that a test can tell which one it
# got. The outputs are committed (tests/win32/data/); run this only after
# changing the drawing. Needs ImageMagick 6.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$root/tests/win32/data
mkdir -p "$out"

# A diagonal gradient with a white disc: something a decoder cannot fake
# by handing back one colour.
draw() {
  local size=$1 target=$2
  convert -size "$size" gradient:'#1b7f8c'-'#ffcc33' \
    -fill white -draw "circle 12,10 18,10" -strip "$target"
}

draw 40x30 BMP3:"$out/picture.bmp"
draw 64x48 "$out/picture.jpg"
draw 50x25 "$out/picture.gif"

echo "written: $out/picture.bmp $out/picture.jpg $out/picture.gif"
