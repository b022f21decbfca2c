#!/usr/bin/env bash
# Runs the editor's DPI test (a Windows program, the first argument) in a Wine prefix of its own
# on a 1366 x 768 screen, once at each DPI that follows: Wine's DPI is the prefix's, read by each
# program as it starts, so the prefix is not the one the other tests share.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
test=$1
shift
export BRELA_WINEPREFIX=${BRELA_DPI_WINEPREFIX:-$repo/.cache/wineprefix-dpi}
export BRELA_SCREEN=1366x768
env=$repo/scripts/wine-env.sh
trap '"$env" down' EXIT
for dpi in "$@"; do
  "$env" dpi "$dpi"
  eval "$("$env" env)"
  echo "--- $dpi DPI"
  BRELA_DPI=$dpi "$WINELOADER" "$test"
done
