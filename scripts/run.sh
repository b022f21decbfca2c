#!/usr/bin/env bash
# Builds the player, the authoring tool brelamake, the editor brelaedit and the sample quizzes
# (build/win), then starts the text sample in the player under Wine: on your display when DISPLAY
# is set and BRELA_XVFB is not, else on the project's Xvfb display, with a screenshot written to
# build/screenshot.png.
#   scripts/run.sh edit [FILE]   starts the editor instead, on FILE if given (a quiz file, a
#                                spreadsheet or a quiz executable), else on a new quiz.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$repo/build/win
samples=$build/examples
user_display=${DISPLAY:-}

"$repo/scripts/install-deps.sh"
# The web pages' grading, which brelamake and the editor put into each page they make.
module=$("$repo/scripts/build-web.sh" | tail -n 1)
cmake -S "$repo" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
  -DBRELA_WEB_MODULE="$module" >/dev/null
cmake --build "$build" -j"$(nproc)" --target brela brelamake brelaedit examples

"$repo/scripts/wine-env.sh" up
eval "$("$repo/scripts/wine-env.sh" env)"

if [ "${1:-}" = edit ]; then
  editor=$build/tools/brelaedit/brelaedit.exe
  file=()
  if [ -n "${2:-}" ]; then file=("$("$WINELOADER" winepath -w "$(realpath "$2")")"); fi
  if [ -n "$user_display" ] && [ -z "${BRELA_XVFB:-}" ]; then
    echo "Starting the editor on $user_display; close its window to finish."
    DISPLAY=$user_display exec "$WINELOADER" explorer /desktop=brelaedit,1024x768 "$editor" "${file[@]}"
  fi
  echo "Starting the editor on the Xvfb display $DISPLAY"
  "$WINELOADER" "$editor" "${file[@]}" </dev/null >/dev/null 2>&1 &
  started=$!
  for _ in $(seq 1 100); do
    xdotool search --name "Éditeur de quiz brela" >/dev/null 2>&1 && break
    sleep 0.2
  done
  sleep 1
  import -window root "$repo/build/screenshot.png"
  # A Unix signal would reach only Wine's loader: the window itself is ended.
  xdotool search --name "Éditeur de quiz brela" windowkill >/dev/null 2>&1 || true
  wait "$started" 2>/dev/null || true
  echo "Screenshot: $repo/build/screenshot.png"
  exit 0
fi
cd "$samples"  # the player keeps its answers file in the current folder

if [ -n "$user_display" ] && [ -z "${BRELA_XVFB:-}" ]; then
  echo "Starting capitales.exe on $user_display; close its window to finish."
  # A Wine desktop of its own: a normal window of your window manager, whatever the test
  # prefix's settings for windows on Xvfb.
  DISPLAY=$user_display "$WINELOADER" explorer /desktop=brela,900x700 capitales.exe
else
  echo "Starting capitales.exe on the Xvfb display $DISPLAY"
  "$WINELOADER" capitales.exe </dev/null >/dev/null 2>&1 &
  player=$!
  for _ in $(seq 1 100); do
    xdotool search --name "Capitales d'Europe" >/dev/null 2>&1 && break
    sleep 0.2
  done
  sleep 1  # let the board finish painting
  import -window root "$repo/build/screenshot.png"
  # A Unix signal would reach only Wine's loader: the window itself is ended.
  xdotool search --name "Capitales d'Europe" windowkill >/dev/null 2>&1 || true
  wait "$player" 2>/dev/null || true
  echo "Screenshot: $repo/build/screenshot.png"
fi

cat <<INFO

The sample quizzes, each an executable beside its quiz file and media, are in $samples:
  capitales.exe  text questions          capitales/quiz.json
  drapeaux.exe   pictures, two answers   drapeaux/quiz.json, drapeaux/images/
  animaux.exe    sounds                  animaux/quiz.json, animaux/sons/
  couleurs.exe   films                   couleurs/quiz.json, couleurs/films/
  feminin.exe    from a spreadsheet      feminin/quiz.json, imported from examples/feminin/
Start one with: scripts/wine-run $samples/drapeaux.exe

To make your own quiz in the editor: scripts/run.sh edit [a quiz file, a spreadsheet or a quiz]
Or write a quiz file like those (brelamake --help describes every field), then:
  scripts/wine-run $build/tools/brelamake/brelamake.exe make my-quiz.json -o my-quiz.exe \\
      --player $build/app/brela.exe
and read any quiz executable back with: brelamake.exe dump my-quiz.exe -o my-quiz-folder
INFO
