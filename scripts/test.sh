#!/usr/bin/env bash
# Runs every test: the portable code natively, then the Win32 side cross-built and run under Wine.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc)

"$repo/scripts/install-deps.sh"

cmake -S "$repo" -B "$repo/build/native" -DBRELA_BENCH=ON >/dev/null
cmake --build "$repo/build/native" -j"$jobs"
ctest --test-dir "$repo/build/native" --output-on-failure -j"$jobs"

# With clang, the fuzz targets replay their corpora once more under the sanitizers.
if command -v clang++ >/dev/null; then
  CC=clang CXX=clang++ cmake -S "$repo" -B "$repo/build/fuzz" -DBRELA_FUZZ=ON -DBRELA_TESTS=OFF >/dev/null
  cmake --build "$repo/build/fuzz" -j"$jobs"
  ctest --test-dir "$repo/build/fuzz" --output-on-failure -j"$jobs"
fi

# The cross build already runs Wine (it packs test quizzes and makes the samples): bring it up
# once here, and take down at the end only what this run started.
started_wine=0
cleanup() {
  "$repo/scripts/wine-env.sh" release-desktop
  if [ "$started_wine" = 1 ]; then "$repo/scripts/wine-env.sh" down; fi
}
trap cleanup EXIT
"$repo/scripts/wine-env.sh" status >/dev/null || started_wine=1
"$repo/scripts/wine-env.sh" up

cmake -S "$repo" -B "$repo/build/win" -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$repo/build/win" -j"$jobs"

"$repo/scripts/wine-env.sh" keep-desktop "$repo/build/win/tests/support/keep_desktop.exe"
# The soak test (label soak, minutes long) runs only when asked: ctest -L soak.
# One at a time: the tests share one display, and a window of one test taking the activation
# would take the keyboard focus from another.
ctest --test-dir "$repo/build/win" --output-on-failure -LE soak
