#!/usr/bin/env bash
# Runs every test: the web page's grading module built with emscripten (build/web); the portable
# code natively, the module run by node; the Win32 side cross-built for 64-bit Windows
# (build/win) and for 32-bit Windows (build/win32, what the release ships) and run under Wine;
# then everything built once more with clang for Windows (build/clang), a second compiler's
# warnings. Every build of the project's code treats warnings as errors. Where 32-bit programs
# cannot run (or with BRELA_NO_32BIT=1), the 32-bit build is still made and checked, but its test
# programs are not run, and the last line says how many were not.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc)
strict=-DCMAKE_COMPILE_WARNING_AS_ERROR=ON

"$repo/scripts/install-deps.sh"

# Every ctest run's counts, added up for the last line.
passed=0 failed=0 not_run=0
# run_ctest ARGS...: ctest with ARGS, its output shown and counted.
run_ctest() {
  local log summary total failures
  log=$(mktemp)
  ctest "$@" | tee "$log"
  summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" || true)
  rm -f "$log"
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"${summary:-out of 0}")
  failures=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"${summary:-passed, 0 tests failed}")
  passed=$((passed + total - failures))
  failed=$((failed + failures))
}

# Every build puts the module beside its brelamake; the native tests run it.
web_module=$("$repo/scripts/build-web.sh" | tail -n 1)
web="-DBRELA_WEB_MODULE=$web_module"

cmake -S "$repo" -B "$repo/build/native" -DBRELA_BENCH=ON "$strict" "$web" >/dev/null
cmake --build "$repo/build/native" -j"$jobs"
run_ctest --test-dir "$repo/build/native" --output-on-failure -j"$jobs"

# With clang, the fuzz targets replay their corpora once more under the sanitizers.
CC=clang CXX=clang++ cmake -S "$repo" -B "$repo/build/fuzz" -DBRELA_FUZZ=ON -DBRELA_TESTS=OFF \
  "$strict" >/dev/null
cmake --build "$repo/build/fuzz" -j"$jobs"
run_ctest --test-dir "$repo/build/fuzz" --output-on-failure -j"$jobs"

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

# cross_build FOLDER TOOLCHAIN [OPTIONS...]: configures and builds build/FOLDER with
# cmake/TOOLCHAIN.cmake.
cross_build() {
  cmake -S "$repo" -B "$repo/build/$1" -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/$2.cmake" "$strict" \
    "$web" "${@:3}" >/dev/null
  cmake --build "$repo/build/$1" -j"$jobs"
}

# wine_tests FOLDER [LABELS]: the tests of build/FOLDER but those of LABELS (a regular
# expression). The soak test (label soak, minutes long) runs only when asked: ctest -L soak.
# One at a time: the tests share one display, and a window of one test taking the activation
# would take the keyboard focus from another.
wine_tests() {
  run_ctest --test-dir "$repo/build/$1" --output-on-failure -LE "${2:-soak}"
}

cross_build win mingw-w64-x86_64

"$repo/scripts/wine-env.sh" keep-desktop "$repo/build/win/tests/support/keep_desktop.exe"
wine_tests win
# The same tests as 32-bit programs, under Wine's 32-bit loader (WoW64). What runs while building
# (brelamake making the samples, the packer of the test quizzes) is the 64-bit build's, which runs
# on every machine; so is the test of a quiz made by it into the 32-bit player.
cross_build win32 mingw-w64-i686 -DBRELA_TOOLS_BUILD="$repo/build/win"
if reason=$("$repo/scripts/wine-env.sh" runs-32bit); then
  wine_tests win32
else
  wine_tests win32 'wine|soak'
  not_run=$(ctest --test-dir "$repo/build/win32" -N -L wine | sed -n 's/^Total Tests: //p')
  echo "32-bit Wine suite: $not_run test programs not run: $reason"
fi

# clang writes its texts in UTF-8, not code page 1252: its executables are built, not tested.
cross_build clang clang-mingw-w64-x86_64

summary="tests: $passed passed, $failed failed"
if [ "$not_run" -gt 0 ]; then summary+=", $not_run skipped"; fi
echo "$summary"
