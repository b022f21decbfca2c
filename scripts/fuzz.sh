#!/usr/bin/env bash
# Fuzzes each target of fuzz/targets.txt (or only those named) for a bounded time with libFuzzer
# under the address and undefined-behaviour sanitizers, starting from its checked-in corpus.
#   FUZZ_SECONDS    time per target, 60 by default
#   FUZZ_BUILD_DIR  the clang build, build/fuzz by default
# New inputs collect in $FUZZ_BUILD_DIR/corpus/<target>; a finding is written to
# $FUZZ_BUILD_DIR/findings/ and makes the script fail: turn it into a corpus file and a fix.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${FUZZ_SECONDS:-60}
build=${FUZZ_BUILD_DIR:-$repo/build/fuzz}

CC=clang CXX=clang++ cmake -S "$repo" -B "$build" -DBRELA_FUZZ=ON -DBRELA_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"

status=0
while read -r name max_len _; do
  case "$name" in ''|'#'*) continue ;; esac
  if [ $# -gt 0 ] && [[ " $* " != *" $name "* ]]; then continue; fi
  work=$build/corpus/$name
  log=$build/logs/$name.log
  mkdir -p "$work" "$build/findings" "$build/logs"
  echo "fuzz_$name: ${seconds} s, inputs up to $max_len bytes"
  if ! "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
      -print_final_stats=1 -artifact_prefix="$build/findings/$name-" \
      "$work" "$repo/fuzz/corpus/$name" >"$log" 2>&1; then
    status=1
    echo "fuzz_$name: FINDING (see $build/findings/ and $log)"
    grep -A30 -m1 -E '^==[0-9]+==|check failed|runtime error' "$log" || tail -30 "$log"
  fi
  grep -E '^#[0-9]+[[:space:]]+DONE|^stat::(number_of_executed_units|new_units_added)' "$log" | sed 's/^/  /' || true
done <"$repo/fuzz/targets.txt"
exit $status
