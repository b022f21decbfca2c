#!/usr/bin/env bash
# Makes build/brela-VERSION.zip, the download for schools, from a clean 32-bit build (build/release):
# the bare player, the tools, the sample quizzes ready to play beside the quiz files and media
# they were made from, the spreadsheet template, the French guide and the licences.
# VERSION is the CMake project's. Installs what is missing, like the other scripts.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$repo/build/release

"$repo/scripts/install-deps.sh"

# The samples are made by running brelamake under Wine: bring it up, take down only what we started.
started_wine=0
"$repo/scripts/wine-env.sh" status >/dev/null || started_wine=1
"$repo/scripts/wine-env.sh" up
if [ "$started_wine" = 1 ]; then trap '"$repo/scripts/wine-env.sh" down' EXIT; fi

# The samples stay 32-bit players; where 32-bit programs cannot run, the 64-bit brelamake of
# build/win writes their quizzes.
tools=()
if ! reason=$("$repo/scripts/wine-env.sh" runs-32bit); then
  echo "release: $reason: the samples are made by the 64-bit brelamake of build/win"
  cmake -S "$repo" -B "$repo/build/win" -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
    >/dev/null
  cmake --build "$repo/build/win" -j"$(nproc)" --target brelamake
  tools=(-DBRELA_TOOLS_BUILD="$repo/build/win")
fi

# The web pages' grading, which brelamake and the editor put into each page they make.
module=$("$repo/scripts/build-web.sh" | tail -n 1)

rm -rf "$build"
cmake -S "$repo" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DBRELA_TESTS=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=ON "${tools[@]}" \
  -DBRELA_WEB_MODULE="$module" >/dev/null
cmake --build "$build" -j"$(nproc)"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=brela-$version
stage=$build/stage/$name
mkdir -p "$stage/exemples" "$stage/licences" "$stage/images"

cp "$build/app/brela.exe" "$build/tools/brelamake/brelamake.exe" \
  "$build/tools/brelamake/brela-web.js" "$build/tools/brelaedit/brelaedit.exe" "$stage/"

# Each sample: NAME.exe beside NAME/, the quiz file and the media it was made from.
for sample in "$build"/examples/*.exe; do
  sample_name=$(basename "$sample" .exe)
  cp "$sample" "$stage/exemples/"
  cp -r "$build/examples/$sample_name" "$stage/exemples/"
done
# The spreadsheet sample keeps the spreadsheet it was imported from.
cp "$repo"/examples/feminin/*.csv "$stage/exemples/feminin/"

cp "$repo/examples/modele.csv" "$stage/"
cp "$repo/GUIDE.md" "$stage/"
# The pictures the guide shows, under the names it uses.
grep -o '(docs/[^)]*\.png)' "$repo/GUIDE.md" | tr -d '()' | sort -u | while read -r picture; do
  cp "$repo/$picture" "$stage/images/"
done
sed -i 's#(docs/\([^)]*\.png\))#(images/\1)#g' "$stage/GUIDE.md"

cp "$repo/LICENSE" "$stage/LICENCE.txt"
# What the executables carry of other projects (linked statically), in the words of their authors.
cp /usr/share/doc/nlohmann-json3-dev/copyright "$stage/licences/nlohmann-json.txt"
cp /usr/share/doc/libstb-dev/copyright "$stage/licences/stb.txt"
cp /usr/share/doc/mingw-w64-common/copyright "$stage/licences/mingw-w64.txt"
# The web pages' grading carries emscripten's runtime.
cp /usr/share/doc/emscripten/copyright "$stage/licences/emscripten.txt"

zip=$repo/build/$name.zip
rm -f "$zip"
(cd "$build/stage" && cmake -E tar cf "$zip" --format=zip "$name")

# The zip must hold what a school needs; refuse to call it made otherwise.
listing=$(cd "$build" && cmake -E tar tf "$zip")
for needed in brela.exe brelamake.exe brela-web.js brelaedit.exe GUIDE.md LICENCE.txt modele.csv \
              exemples/capitales.exe exemples/capitales/quiz.json \
              exemples/drapeaux.exe exemples/drapeaux/quiz.json \
              exemples/animaux.exe exemples/couleurs.exe \
              exemples/feminin.exe "exemples/feminin/Mots au féminin.csv"; do
  if ! grep -qxF "$name/$needed" <<<"$listing"; then
    echo "release: $needed is missing from $zip" >&2
    exit 1
  fi
done
echo "Made $zip ($(du -k "$zip" | cut -f1) KB, $(grep -vc '/$' <<<"$listing") files)"
