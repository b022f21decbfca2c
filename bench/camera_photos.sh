#!/usr/bin/env bash
# Makes $1/photo01.jpg to photo90.jpg for the picture import benchmark: 4000 x 3000 JPEGs as phones
# write them, an Exif segment first (no JFIF) naming the make and an orientation (1, 6, 3 and 8 in
# turn). One fractal scene with sensor-like noise, rolled and tinted differently in each photo.
set -euo pipefail
out=$1
mkdir -p "$out"
scene=$out/scene.miff
exif=$out/exif.bin
convert -seed 12 -size 4000x3000 plasma:fractal -blur 0x1 -attenuate 0.15 +noise Gaussian "$scene"
orientations=(1 6 3 8)
for n in $(seq 1 90); do
  orientation=${orientations[$(((n - 1) % 4))]}
  # Exif, big-endian TIFF: IFD0 of two entries, the make ("brela", stored after the IFD) and the
  # orientation.
  printf 'Exif\0\0MM\0\x2a\0\0\0\x08\0\x02\x01\x0f\0\x02\0\0\0\x06\0\0\0\x26\x01\x12\0\x03\0\0\0\x01\0\x0'"$orientation"'\0\0\0\0\0\0brela\0' >"$exif"
  photo=$(printf '%s/photo%02d.jpg' "$out" "$n")
  convert "$scene" -roll "+$((n * 37))+$((n * 23))" -modulate "100,100,$((80 + n % 40))" \
    -profile "APP1:$exif" -quality 90 "JPEG:$photo.jfif"
  # ImageMagick writes a JFIF segment of 18 bytes first: phones do not.
  if [ "$(head -c 6 "$photo.jfif" | od -An -tx1 | tr -d ' \n')" != ffd8ffe00010 ]; then
    echo "camera_photos.sh: unexpected JPEG head in $photo.jfif" >&2
    exit 1
  fi
  { head -c 2 "$photo.jfif"; tail -c +21 "$photo.jfif"; } >"$photo"
  rm "$photo.jfif"
done
rm "$scene" "$exif"
