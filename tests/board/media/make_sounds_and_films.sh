#!/usr/bin/env bash
# Speaks three test sounds (MP3) and films two test films (AVI: Microsoft Video 1 with PCM sound)
# into $1, each several seconds long so that a test can act while it still plays.
set -euo pipefail
out=$1
mkdir -p "$out"

sound() {
  espeak-ng -v fr -s 120 -w "$out/$1.wav" "$2"
  lame --quiet -m m -b 32 "$out/$1.wav" "$out/$1.mp3"
  rm "$out/$1.wav"
}
film() {
  ffmpeg -loglevel error -y -f lavfi -i "color=c=$2:s=80x60:d=6:r=5" \
    -f lavfi -i "sine=frequency=$3:sample_rate=11025:duration=6" -t 6 \
    -c:v msvideo1 -c:a pcm_u8 -ac 1 -fflags +bitexact -map_metadata -1 "$out/$1.avi"
}

sound question1 "Question numéro un. Écoutez bien cette phrase jusqu'au bout, elle dure un moment."
sound question2 "Question numéro deux. Voici une autre phrase, assez longue elle aussi."
sound question3 "Question numéro trois. Une dernière phrase pour finir l'essai."
film film1 red 440
film film3 blue 660
