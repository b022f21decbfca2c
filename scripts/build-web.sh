#!/usr/bin/env bash
# Builds the web page's grading module with Debian's emscripten into build/web and prints the
# module's path on its last line. Debian ships emscripten's system libraries already built (a
# frozen cache in /usr/share/emscripten/cache): nothing is built there on first use.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

"$repo/scripts/install-deps.sh"

# emscripten's JavaScript tools need acorn; a node that is not Debian's does not look for it in
# Debian's module folder.
if ! node -e "require.resolve('acorn')" 2>/dev/null; then
  export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
fi

cmake -S "$repo/web" -B "$repo/build/web" \
  -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$repo/build/web" -j"$(nproc)" >&2
echo "$repo/build/web/brela_grading.js"
