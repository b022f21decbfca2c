#!/usr/bin/env bash
# The quiet Wine environment that the Win32 tests and the player run in: a private prefix,
# an Xvfb display and a persistent wineserver, brought up once and shared by every test.
#   wine-env.sh up     start what is not running yet (idempotent, safe under ctest -j)
#   wine-env.sh down   stop only what "up" started
#   wine-env.sh env    print the environment as shell assignments
#   wine-env.sh status succeed when the display and the server are running
#   wine-env.sh dpi N  set the prefix's DPI (Windows' LogPixels: 96 is 100 %, 144 is 150 %) for
#                      the programs started after
#   wine-env.sh runs-32bit
#                      succeed when 32-bit Windows programs run here; otherwise print why not
#   wine-env.sh keep-desktop EXE
#                      bring it up and start EXE, a hidden window that holds Wine's desktop open
#                      between test programs for as long as a flag file exists (its path is EXE's
#                      argument); without it each program closes the desktop and the next one
#                      pays to reopen it
#   wine-env.sh release-desktop
#                      remove the flag: the hidden window ends (a Unix kill would reach only
#                      Wine's loader)
#
# Every Windows program is started with the loader this script chooses ($WINELOADER), never through
# Debian's wrapper /usr/bin/wine: once the 32-bit Wine is installed, the wrapper starts its 32-bit
# loader for every program, which a kernel without 32-bit support cannot execute. Where 32-bit
# programs cannot run (tried once when the environment comes up), or when BRELA_NO_32BIT=1 asks
# for it, the 64-bit loader starts everything and 32-bit programs are not run at all.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${BRELA_WINEPREFIX:-$repo/.cache/wineprefix}
state=${WINEPREFIX%/}.state
export WINEDEBUG=${WINEDEBUG:--all}
export WINEARCH=win64
# The display's size, as WIDTHxHEIGHT, when the display starts.
screen=${BRELA_SCREEN:-1024x768}
# No Mono or Gecko installer prompts while the prefix is made.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# Wine's ANSI code page follows the locale: pin one whose code page is 1252.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
# A null sound device, so that MCI never blocks on its own error box.
export XDG_CONFIG_HOME=$state/xdg

loader32=/usr/lib/wine/wine
loader64=/usr/lib/wine/wine64
[ -x "$loader64" ] || loader64=$(command -v wine64 || echo "$loader64")

alive() { [ -n "${1:-}" ] && kill -0 "$1" 2>/dev/null; }

pick_display() {
  local n
  for n in $(seq 91 140); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then echo "$n"; return; fi
  done
  echo "wine-env: no free X display" >&2; exit 1
}

start_xvfb() {
  local n pid
  n=$(pick_display)
  Xvfb ":$n" -screen 0 "${screen}x24" -noreset -nolisten tcp </dev/null >"$state/xvfb.log" \
    2>&1 9>&- &
  pid=$!
  for _ in $(seq 1 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
  echo "$pid" >"$state/xvfb.pid"
  echo ":$n" >"$state/display"
}

# Whether this machine executes 32-bit programs, found by running one: some kernels cannot, and
# the installed files look the same there.
probe_32bit() {
  if "$loader32" --version </dev/null >/dev/null 2>&1 9>&-; then
    echo yes >"$state/runs-32bit"
  else
    echo no >"$state/runs-32bit"
  fi
}

# Why 32-bit programs are not run here, or nothing when they are.
no_32bit_reason() {
  if [ "${BRELA_NO_32BIT:-}" = 1 ]; then
    echo "BRELA_NO_32BIT=1 asks for the 64-bit-only path"
  elif [ "$(cat "$state/runs-32bit" 2>/dev/null)" != yes ]; then
    echo "this machine cannot execute 32-bit programs ($loader32 --version fails)"
  fi
}

loader() {
  if [ -z "$(no_32bit_reason)" ]; then echo "$loader32"; else echo "$loader64"; fi
}

# in_wine PROGRAM ARGS...: one Windows program, with the chosen loader, its output discarded.
in_wine() {
  local wine
  wine=$(loader)
  WINELOADER=$wine "$wine" "$@" </dev/null >/dev/null 2>&1 9>&-
}

# A class that the prefix's setup registers, and pictures are decoded with (WIC's factory).
registered_class='HKCR\CLSID\{CACAF262-9370-4615-A13B-9F5539DA4C0A}'

make_prefix() {
  mkdir -p "$WINEPREFIX"
  in_wine wineboot -i
  in_wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
  in_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
  in_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d Y /f
  touch "$WINEPREFIX/.brela-ready"
}

# wineboot has been seen to leave a prefix with its classes unregistered, after which no picture
# decodes: set it up once more, and stop if that does not mend it.
mend_prefix() {
  in_wine reg query "$registered_class" && return 0
  in_wine wineboot -u || true
  in_wine reg query "$registered_class" && return 0
  echo "wine-env: wineboot left $WINEPREFIX without its registered classes" >&2
  return 1
}

up_locked() {
  mkdir -p "$state" "$XDG_CONFIG_HOME/alsa"
  [ -f "$XDG_CONFIG_HOME/alsa/asoundrc" ] || echo 'pcm.!default { type null }' >"$XDG_CONFIG_HOME/alsa/asoundrc"
  if ! alive "$(cat "$state/xvfb.pid" 2>/dev/null)"; then start_xvfb; fi
  export DISPLAY=$(cat "$state/display")
  local server_up=1
  alive "$(cat "$state/wineserver.pid" 2>/dev/null)" || server_up=0
  if [ "$server_up" = 0 ] || [ ! -f "$state/runs-32bit" ]; then probe_32bit; fi
  if [ "$server_up" = 0 ]; then
    # A prefix made before the 32-bit Wine was installed, or by the 64-bit loader alone, cannot
    # start 32-bit programs: its syswow64 folder stays empty. Make it again where they run.
    if [ -z "$(no_32bit_reason)" ] && [ -f "$WINEPREFIX/.brela-ready" ] &&
       [ -z "$(ls -A "$WINEPREFIX/drive_c/windows/syswow64" 2>/dev/null)" ]; then
      rm -rf "$WINEPREFIX"
    fi
    # In the foreground (-f) so that its pid is the server's own.
    wineserver -f -p </dev/null >/dev/null 2>&1 9>&- &
    echo $! >"$state/wineserver.pid"
    [ -f "$WINEPREFIX/.brela-ready" ] || make_prefix
    mend_prefix
    # Debian's Wine does not find its own fonts (package fonts-wine): without them the caption
    # buttons draw as letters and dialog text is measured with a stand-in font.
    [ -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ] ||
      cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    # Wine's background services must not inherit a test's output pipe: start them now, detached.
    in_wine cmd /c exit || true
  fi
}

print_env() {
  echo "export WINEPREFIX='$WINEPREFIX' WINEDEBUG='$WINEDEBUG' WINEARCH='$WINEARCH'"
  echo "export WINEDLLOVERRIDES='$WINEDLLOVERRIDES' LANG='$LANG' LC_ALL='$LC_ALL'"
  echo "export XDG_CONFIG_HOME='$XDG_CONFIG_HOME' DISPLAY='$(cat "$state/display" 2>/dev/null)'"
  echo "export WINELOADER='$(loader)'"
}

case "${1:-}" in
  up)
    mkdir -p "$state"
    exec 9>"$state.lock"
    flock 9
    up_locked
    ;;
  down)
    mkdir -p "$state"
    exec 9>"$state.lock"
    flock 9
    rm -f "$state/desktop.flag"
    wineserver -k </dev/null >/dev/null 2>&1 || true
    for f in wineserver xvfb; do
      pid=$(cat "$state/$f.pid" 2>/dev/null || true)
      if alive "$pid"; then kill "$pid" 2>/dev/null || true; fi
      rm -f "$state/$f.pid"
    done
    ;;
  keep-desktop)
    [ -n "${2:-}" ] || { echo "usage: $0 keep-desktop EXE" >&2; exit 2; }
    "$0" up
    export DISPLAY=$(cat "$state/display")
    touch "$state/desktop.flag"
    # Output detached: a process holding a test's output would keep that test from ending.
    wine=$(loader)
    flag=$(WINELOADER=$wine "$wine" winepath -w "$state/desktop.flag" 2>/dev/null)
    WINELOADER=$wine "$wine" "$2" "$flag" </dev/null >/dev/null 2>&1 &
    ;;
  release-desktop) rm -f "$state/desktop.flag" ;;
  dpi)
    [ -n "${2:-}" ] || { echo "usage: $0 dpi N" >&2; exit 2; }
    "$0" up
    in_wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$2" /f
    ;;
  env) print_env ;;
  runs-32bit)
    mkdir -p "$state"
    [ -f "$state/runs-32bit" ] || probe_32bit
    reason=$(no_32bit_reason)
    [ -z "$reason" ] || { echo "$reason"; exit 1; }
    ;;
  status)
    alive "$(cat "$state/xvfb.pid" 2>/dev/null)" && alive "$(cat "$state/wineserver.pid" 2>/dev/null)"
    ;;
  *) echo "usage: $0 up|down|env|status|dpi N|runs-32bit|keep-desktop EXE|release-desktop" >&2; exit 2 ;;
esac
