#!/usr/bin/env bash
# Takes the pictures of the README and the guide (docs/*.png) from the built samples (build/win),
# under Wine on the project's Xvfb display: the text sample and the picture sample, each with a
# few answers already typed (an answers file as a pupil's earlier session leaves it), and the
# editor on those two quizzes when it is built, and at high DPI (screenshots-dpi.sh). Installs
# what is missing.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$repo/build/win
docs=$repo/docs

"$repo/scripts/install-deps.sh"
cmake -S "$repo" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build" -j"$(nproc)"

started_wine=0
"$repo/scripts/wine-env.sh" status >/dev/null || started_wine=1
"$repo/scripts/wine-env.sh" up
if [ "$started_wine" = 1 ]; then trap '"$repo/scripts/wine-env.sh" down' EXIT; fi
eval "$("$repo/scripts/wine-env.sh" env)"

work=$(mktemp -d)
trap 'rm -rf "$work"; if [ "$started_wine" = 1 ]; then "$repo/scripts/wine-env.sh" down; fi' EXIT
mkdir -p "$docs"

. "$repo/scripts/shoot.sh"

# Answers files as a pupil's earlier session leaves them: one line per field, "*" when empty.
cp "$build/examples/capitales.exe" "$build/examples/drapeaux.exe" "$work/"
printf '%s\r\n' Paris Rome Madrit Lisbone '*' Bruxelles Athènes '*' '*' '*' |
  iconv -f UTF-8 -t CP1252 >"$work/capitales.txt"
printf '%s\r\n' France Paris Italie Rome Belgique Bruxel '*' '*' '*' '*' '*' '*' '*' '*' |
  iconv -f UTF-8 -t CP1252 >"$work/drapeaux.txt"
shoot lecteur-capitales.png "Capitales d'Europe" capitales.exe
shoot lecteur-drapeaux.png "Drapeaux d'Europe" drapeaux.exe

# The results window of a class of four on the picture sample, a stray text file among the
# answers files: Fichier › Résultats de la classe… from the keyboard, and the folder reached in
# the chooser by typing (Wine's chooser opens on the drive, not on the quiz's folder).
shoot_class_results() {
  local class=$work/drapeaux window chooser results
  printf '%s\r\n' France Paris Italie Rome Belgique Bruxelles Allemagne Berlin Irlande Dublin \
    Pays-Bas Amsterdam Suède Stockholm | iconv -f UTF-8 -t CP1252 >"$class/Emma.txt"
  printf '%s\r\n' France Paris Italie Rom Belgique Bruxel Allemagne Berlin '*' '*' |
    iconv -f UTF-8 -t CP1252 >"$class/Noé.txt"
  printf '%s\r\n' france paris Itali Rome Belgique Bruxelles Alemagne Berlin Irlande Dublin \
    'Pays bas' Amsterdam '*' Stokholm | iconv -f UTF-8 -t CP1252 >"$class/Lucas.txt"
  printf '%s\r\n' France Paris Italie Rome Belgique Bruxelles Allemagne Berlin Irlande Dubline \
    Pays-Bas Amsterdam Suede Stockholm | iconv -f UTF-8 -t CP1252 >"$class/Chloé.txt"
  printf '%s\r\n' 'Rendre le quiz avant vendredi' a b c d e f g h i j k l m n o p \
    >"$class/consignes.txt"
  (cd "$work" && exec "$WINELOADER" "$editor" 'drapeaux\quiz.json' </dev/null >/dev/null 2>&1) &
  local started=$!
  window=$(wait_window "quiz.json - ")
  sleep 1.5  # mapped and painted: only then can it take the focus
  xdotool windowfocus --sync "$window" key alt+f sleep 0.4 key r
  chooser=$(wait_window "Browse for Folder")
  sleep 1
  xdotool windowfocus --sync "$chooser" key Right sleep 0.3 type --delay 150 tmp
  xdotool sleep 0.3 key Right sleep 0.3 type --delay 150 "$(basename "$work")"
  xdotool sleep 0.3 key Right sleep 0.3 type --delay 150 drapeaux
  xdotool sleep 0.3 key Return
  results=$(wait_window "Résultats de la classe")
  sleep 1.5
  import -window "$results" -strip -colors 128 "PNG8:$docs/editeur-resultats.png"
  xdotool windowkill "$window" 2>/dev/null || true
  wait "$started" 2>/dev/null || true
  echo "docs/editeur-resultats.png"
}

editor=$build/tools/brelaedit/brelaedit.exe
if [ -f "$editor" ]; then
  cp -r "$build/examples/capitales" "$build/examples/drapeaux" "$work/"
  # The text quiz with two slips a teacher makes, for the list of problems to show an error (a
  # space before an answer) and a warning (a typographic apostrophe a pupil cannot type).
  sed -i 's/"answer1": "Lisbonne"/"answer1": " Lisbonne"/; s/"answer1": "Athènes"/"answer1": "Athènes’"/' \
    "$work/capitales/quiz.json"
  shoot editeur-capitales.png "quiz.json - " "$editor" 'capitales\quiz.json'
  shoot editeur-drapeaux.png "quiz.json - " "$editor" 'drapeaux\quiz.json'
  shoot_class_results
  "$repo/scripts/screenshots-dpi.sh"
fi
