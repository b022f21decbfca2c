# Sourced by the screenshot scripts, with $work (the folder programs start in), $docs and the Wine
# environment set.

# wait_window TITLE: prints the id of the first window whose name starts with TITLE, once there
# is one; fails after 30 s.
wait_window() {
  local window=""
  for _ in $(seq 1 150); do
    window=$(xdotool search --name "^$1" 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.2
  done
  if [ -z "$window" ]; then
    echo "screenshots: no window named $1" >&2
    return 1
  fi
  echo "$window"
}

# shoot PNG TITLE COMMAND...: starts COMMAND in $work, waits for its window named TITLE, and
# writes that window, in few colours, to docs/PNG.
shoot() {
  local png=$1 title=$2 window=""
  shift 2
  (cd "$work" && exec "$WINELOADER" "$@" </dev/null >/dev/null 2>&1) &
  local started=$!
  if ! window=$(wait_window "$title"); then
    kill "$started" 2>/dev/null || true
    exit 1
  fi
  sleep 1.5  # let it finish painting
  import -window "$window" -strip -colors 128 "PNG8:$docs/$png"
  # A signal would reach only Wine's loader: the window's program is ended through its window.
  xdotool windowkill "$window" 2>/dev/null || true
  wait "$started" 2>/dev/null || true
  echo "docs/$png"
}
