#!/usr/bin/env bash
# Draws into $1 pictures as other programs save them, for the picture import's Wine test: 400 x 300
# in quadrants, red, blue over lime, white (but one).
set -euo pipefail
out=$1
mkdir -p "$out"
scene() {
  convert -size 400x300 xc:red -fill blue -draw 'rectangle 200,0 399,149' \
    -fill lime -draw 'rectangle 0,150 199,299' -fill white -draw 'rectangle 200,150 399,299' "$@"
}
exif=$(mktemp)
trap 'rm -f "$exif"' EXIT
# An Exif block, little-endian, whose IFD0 holds the orientation 8 (turn a quarter
# counter-clockwise), attached as a raw APP1 profile.
printf 'Exif\0\0II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0\x08\0\0\0\0\0\0\0' >"$exif"

scene -interlace JPEG -profile "APP1:$exif" -quality 90 "$out/progressive-exif8.jpg"
scene -colorspace CMYK -quality 90 "$out/cmyk.jpg"
scene -transparent white "PNG8:$out/palette-transparent.png"
scene -depth 16 -interlace PNG "PNG48:$out/interlaced-16-bit.png"
scene -colors 4 -type Palette "BMP3:$out/palette.bmp"
scene -interlace GIF "$out/interlaced.gif"
# Grey, black with a white bottom right quarter, and within the box already: kept as it is.
convert -size 200x150 xc:black -fill white -draw 'rectangle 100,75 199,149' -colorspace Gray \
  -quality 90 "$out/grey-200x150.jpg"
