#!/usr/bin/env bash
# Draws the test pictures into $1 as JFIF JPEGs: question pictures red above blue, answer pictures
# green left of yellow, so that a test can tell them apart and see which way they were scaled.
set -euo pipefail
out=$1
mkdir -p "$out"

# halves NAME WIDTH HEIGHT: red top half, blue bottom half.
halves() {
  convert -size "$2x$3" xc:red -fill blue -draw "rectangle 0,$(($3 / 2)) $2,$3" \
    -strip -quality 90 "$out/$1.jpg"
}
# sides NAME WIDTH HEIGHT: green left half, yellow right half.
sides() {
  convert -size "$2x$3" xc:lime -fill yellow -draw "rectangle $(($2 / 2)),0 $2,$3" \
    -strip -quality 90 "$out/$1.jpg"
}

halves q400x300 400 300
halves q300x400 300 400
halves q1024x768 1024 768
halves q30x27 30 27
halves q260x260 260 260
halves q520x260 520 260
halves q100x50 100 50
sides a300x400 300 400
sides a400x300 400 300
sides a30x27 30 27
printf 'Ceci n est pas une image.\n' >"$out/not_a_picture.jpg"
# The start-up benchmark's pictures: photograph-like ones at the size that makes start-up slow and
# at the size that the editor's import gives, and one of a single colour as ImageMagick writes it
# by default (baseline, no chroma subsampling).
convert -seed 7 -size 1024x768 plasma:fractal -blur 0x1 -strip -quality 85 "$out/photo1024x768.jpg"
convert -seed 7 -size 260x195 plasma:fractal -blur 0x1 -strip -quality 85 "$out/photo260x195.jpg"
convert -size 1024x768 xc:blue "$out/blue1024x768.jpg"
