#!/usr/bin/env bash
# Regenerates the binary resources that res/Mirevo.rc embeds: the application
# icon (16, 32 and 48 px in one .ico) and the placeholder picture shown when a
# work has no preview image. The outputs are committed; run this only after
# changing the drawing. Needs ImageMagick 6 and fonts-wqy-microhei.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
res=$root/res
font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One icon size: a rounded square in a deep teal with a lighter rim, a white
# play triangle and a small gold star at the upper right (a "followed" mark).
# Everything is drawn on a 256 px canvas and scaled down, which keeps the
# edges smooth at every size.
draw_icon() {
  local size=$1 out=$2
  convert -size 256x256 xc:none \
    -fill '#1b7f8c' -stroke '#0f5560' -strokewidth 8 \
    -draw 'roundrectangle 12,12 243,243 48,48' \
    -stroke none -fill '#2aa3b3' -draw 'roundrectangle 24,24 231,120 36,36' \
    -fill '#1b7f8c' -draw 'rectangle 24,90 231,130' \
    -fill white -draw 'polygon 86,66 86,190 190,128' \
    -fill '#ffcc33' -stroke '#b8860b' -strokewidth 4 \
    -draw 'polygon 206,30 214,52 238,52 219,66 226,89 206,75 186,89 193,66 174,52 198,52' \
    -resize "${size}x${size}" "$out"
}

for s in 16 32 48; do
  draw_icon "$s" "$work/icon_$s.png"
done
convert "$work/icon_16.png" "$work/icon_32.png" "$work/icon_48.png" "$res/mirevo.ico"
# A preview of the largest size for reviewers (not embedded).
cp "$work/icon_48.png" "$res/mirevo_icon_48.png"

# The placeholder: 132 x 99 (the 4:3 of the record dialog's picture box),
# one bit per pixel, white text on black, in two centred lines so that the
# ten characters stay legible at this size.
convert -size 132x99 xc:black -font "$font" -pointsize 14 -fill white \
  -gravity center -annotate +0-10 '无图像或' -annotate +0+10 '图像路径有误' \
  -threshold 50% -type bilevel -colors 2 BMP3:"$res/placeholder.bmp"

echo "written: $res/mirevo.ico $res/mirevo_icon_48.png $res/placeholder.bmp"
