#!/usr/bin/env bash
# Speaks the riddles of the "Qui suis-je ?" sample in French and encodes them as MP3 into $1/sons.
set -euo pipefail
out=$1/sons
mkdir -p "$out"

riddle() {
  espeak-ng -v fr -s 135 -w "$out/$1.wav" "$2"
  lame --quiet -b 48 "$out/$1.wav" "$out/$1.mp3"
  rm "$out/$1.wav"
}
riddle chat "Je miaule, je ronronne et je chasse les souris. Qui suis-je ?"
riddle vache "Je broute dans le pré, je fais meuh, et je donne du lait. Qui suis-je ?"
riddle coq "Je chante cocorico au lever du soleil. Qui suis-je ?"
riddle grenouille "Je saute dans la mare et je coasse. Qui suis-je ?"
riddle abeille "Je butine les fleurs, je bourdonne et je fais du miel. Qui suis-je ?"
