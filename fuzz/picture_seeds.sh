#!/usr/bin/env bash
# Writes the picture import's seeds that stb_image_write cannot make (fuzz/make_seeds.cpp makes the
# others) into $1, by ImageMagick: progressive, grey, CMYK and 4:2:0 JPEGs, palette,
# interlaced, 16-bit and grey PNGs, palette, run-length, 16-bit and 1-bit BMPs, interlaced and
# animated GIFs. Run once when seeds are added; the files are kept in fuzz/corpus/picture_import.
set -euo pipefail
out=$1
mkdir -p "$out"
scene() { convert -size 24x16 xc:red -fill blue -draw 'rectangle 12,0 23,7' -fill lime -draw 'rectangle 0,8 11,15' "$@"; }
exif=$(mktemp)
trap 'rm -f "$exif"' EXIT
# An Exif block with orientation 8, big-endian, as an APP1 profile.
printf 'Exif\0\0MM\0\x2a\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0\x08\0\0\0\0\0\0' >"$exif"

scene -interlace JPEG -profile "APP1:$exif" -quality 80 "JPEG:$out/seed-im-jpeg-progressive-exif-8"
scene -colorspace Gray -quality 80 "JPEG:$out/seed-im-jpeg-grey"
scene -colorspace CMYK -quality 80 "JPEG:$out/seed-im-jpeg-cmyk"
scene -sampling-factor 2x2 -quality 80 "JPEG:$out/seed-im-jpeg-4-2-0"
scene -transparent blue "PNG8:$out/seed-im-png-palette-transparent"
scene -interlace PNG "PNG24:$out/seed-im-png-interlaced"
scene -depth 16 "PNG48:$out/seed-im-png-16-bit"
scene -colorspace Gray -alpha set -channel A -evaluate set 50% +channel \
  -define png:color-type=4 "PNG:$out/seed-im-png-grey-alpha"
scene -colors 4 -type Palette "BMP3:$out/seed-im-bmp-palette"
scene -colors 4 -type Palette -compress RLE "BMP3:$out/seed-im-bmp-rle8"
scene -define bmp:subtype=RGB565 "BMP:$out/seed-im-bmp-565"
scene -monochrome "BMP3:$out/seed-im-bmp-1-bit"
scene -interlace GIF "GIF:$out/seed-im-gif-interlaced"
convert -dispose Background -delay 10 \
  -size 24x16 xc:red \( -size 8x8 xc:blue -repage +4+4 \) -loop 0 "GIF:$out/seed-im-gif-frames"
