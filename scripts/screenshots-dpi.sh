#!/usr/bin/env bash
# Takes the pictures of the editor on a laptop's 1366 x 768 screen at 100, 150 and 200 % (96, 144
# and 192 DPI) into docs/editeur-<DPI>dpi-*.png: a blank quiz, the picture sample, and a quiz
# whose problem is long (a picture missing under a long path). Wine's DPI is its prefix's: they
# are taken in a prefix of their own, the one the editor's DPI test uses.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$repo/build/win
docs=$repo/docs
env=$repo/scripts/wine-env.sh

cmake -S "$repo" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build" -j"$(nproc)" --target brelaedit examples

export BRELA_WINEPREFIX=${BRELA_DPI_WINEPREFIX:-$repo/.cache/wineprefix-dpi}
export BRELA_SCREEN=1366x768
started_wine=0
"$env" status >/dev/null || started_wine=1
"$env" up
work=$(mktemp -d)
trap 'rm -rf "$work"; if [ "$started_wine" = 1 ]; then "$env" down; fi' EXIT
eval "$("$env" env)"
mkdir -p "$docs"

. "$repo/scripts/shoot.sh"

editor=$build/tools/brelaedit/brelaedit.exe
cp -r "$build/examples/drapeaux" "$work/"
cp -r "$build/examples/drapeaux" "$work/probleme"
missing="images/classe de CM2/sortie au musée des Beaux-Arts/salle des impressionnistes"
missing="$missing/drapeau que personne n’a encore copié.jpg"
sed -i "s|\"picture\": \"images/france.jpg\"|\"picture\": \"$missing\"|" "$work/probleme/quiz.json"
for dpi in 96 144 192; do
  "$env" dpi "$dpi"
  shoot "editeur-${dpi}dpi-vide.png" "Sans titre - " "$editor"
  shoot "editeur-${dpi}dpi-drapeaux.png" "quiz.json - " "$editor" 'drapeaux\quiz.json'
  shoot "editeur-${dpi}dpi-probleme.png" "quiz.json - " "$editor" 'probleme\quiz.json'
done
