#!/usr/bin/env bash
# Installs with apt-get whatever the build, the tests and the player need and is not there yet.
# The 32-bit build runs under the 32-bit Wine and plays media through i386 GStreamer plugins: they
# come from Debian's i386 architecture, added here when missing.
set -euo pipefail
packages=(cmake make g++ googletest libgtest-dev libbenchmark-dev clang lld
          g++-mingw-w64-x86-64 g++-mingw-w64-i686-posix mingw-w64-tools
          wine wine64 wine32:i386 fonts-wine xvfb
          xdotool x11-xkb-utils x11-utils imagemagick libreoffice-calc-nogui
          nlohmann-json3-dev libstb-dev libutf8proc-dev ffmpeg lame espeak-ng fonts-dejavu-core
          emscripten node-acorn
          gstreamer1.0-plugins-base gstreamer1.0-plugins-good
          gstreamer1.0-plugins-base:i386 gstreamer1.0-plugins-good:i386
          chromium chromium-driver python3-selenium)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
