#!/usr/bin/env bash
# Films of the "Couleurs" sample into $1/films: a square crosses the screen while a voice asks
# for its colour (AVI: Microsoft Video 1 and PCM sound, which Windows plays without extra codecs).
set -euo pipefail
out=$1/films
mkdir -p "$out"

film() {
  espeak-ng -v fr -s 135 -w "$out/$1.wav" "Quelle est la couleur du carré ?"
  ffmpeg -loglevel error -y -f lavfi -i "color=c=$3:s=160x120:d=4:r=10" \
    -f lavfi -i "color=c=$2:s=40x40:d=4:r=10" -i "$out/$1.wav" \
    -filter_complex "[0][1]overlay=x='t*30':y=40[v];[2]apad[a]" -map '[v]' -map '[a]' -t 4 \
    -c:v msvideo1 -c:a pcm_s16le -ar 22050 -ac 1 -fflags +bitexact -map_metadata -1 "$out/$1.avi"
  rm "$out/$1.wav"
}
film rouge '#E02020' white
film vert '#20A040' white
film bleu '#2040E0' white
film jaune '#F0D000' '#404040'
