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

cmake -S "$repo" -B "$repo/build/win" -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$repo/build/win" -j"$jobs"

# Bring Wine up once for all tests; take down only what this run started.
if ! "$repo/scripts/wine-env.sh" status >/dev/null; then
  trap '"$repo/scripts/wine-env.sh" down' EXIT
fi
"$repo/scripts/wine-env.sh" up
ctest --test-dir "$repo/build/win" --output-on-failure -j2
