#!/usr/bin/env bash
# Runs every test: the portable code natively; the Win32 side cross-built for 64-bit Windows
# (build/win) and for 32-bit Windows (build/win32, what the release ships) and run under Wine;
# then everything built once more with clang for Windows (build/clang), a second compiler's
# warnings. Every build of the project's code treats warnings as errors.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc)
strict=-DCMAKE_COMPILE_WARNING_AS_ERROR=ON

"$repo/scripts/install-deps.sh"

cmake -S "$repo" -B "$repo/build/native" -DBRELA_BENCH=ON "$strict" >/dev/null
cmake --build "$repo/build/native" -j"$jobs"
ctest --test-dir "$repo/build/native" --output-on-failure -j"$jobs"

# With clang, the fuzz targets replay their corpora once more under the sanitizers.
CC=clang CXX=clang++ cmake -S "$repo" -B "$repo/build/fuzz" -DBRELA_FUZZ=ON -DBRELA_TESTS=OFF \
  "$strict" >/dev/null
cmake --build "$repo/build/fuzz" -j"$jobs"
ctest --test-dir "$repo/build/fuzz" --output-on-failure -j"$jobs"

# The cross builds already run Wine (they pack test quizzes and make the samples): bring it up
# once here, and take down at the end only what this run started.
started_wine=0
cleanup() {
  "$repo/scripts/wine-env.sh" release-desktop
  if [ "$started_wine" = 1 ]; then "$repo/scripts/wine-env.sh" down; fi
}
trap cleanup EXIT
"$repo/scripts/wine-env.sh" status >/dev/null || started_wine=1
"$repo/scripts/wine-env.sh" up

# cross_build FOLDER TOOLCHAIN: configures and builds build/FOLDER with cmake/TOOLCHAIN.cmake.
cross_build() {
  cmake -S "$repo" -B "$repo/build/$1" -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/$2.cmake" "$strict" \
    >/dev/null
  cmake --build "$repo/build/$1" -j"$jobs"
}

# The soak test (label soak, minutes long) runs only when asked: ctest -L soak.
# One at a time: the tests share one display, and a window of one test taking the activation
# would take the keyboard focus from another.
wine_tests() {
  ctest --test-dir "$repo/build/$1" --output-on-failure -LE soak
}

cross_build win mingw-w64-x86_64

"$repo/scripts/wine-env.sh" keep-desktop "$repo/build/win/tests/support/keep_desktop.exe"
wine_tests win
# The same tests as 32-bit programs, under Wine's 32-bit loader (WoW64).
cross_build win32 mingw-w64-i686
wine_tests win32

# clang writes its texts in UTF-8, not code page 1252: its executables are built, not tested.
cross_build clang clang-mingw-w64-x86_64
