#!/usr/bin/env bash
# Installs what building and testing need on a Debian machine. Safe to run again:
# it only installs what is missing and only generates the locale once.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config git
  clang libclang-rt-14-dev
  mingw-w64 g++-mingw-w64-x86-64-posix
  wine wine64 nsis
  xvfb xauth xdotool xclip x11-xserver-utils x11-utils imagemagick python3
  xserver-xorg-core xserver-xorg-video-dummy libgl1-mesa-dri
  fonts-wqy-microhei locales
  libstb-dev googletest libgtest-dev libbenchmark-dev
)

sudo_() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo_ apt-get update -q
  DEBIAN_FRONTEND=noninteractive sudo_ apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Wine runs with a Chinese ANSI code page (936), as the systems the program is made for, and some
# tests again with an English one (1252).
for loc in zh_CN en_US; do
  if ! locale -a 2>/dev/null | grep -qi "^$loc\.utf-\?8$"; then
    echo "setup: generating $loc.UTF-8"
    sudo_ sed -i "s/^# *\($loc.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$loc.UTF-8 UTF-8" /etc/locale.gen || echo "$loc.UTF-8 UTF-8" | sudo_ tee -a /etc/locale.gen >/dev/null
    sudo_ locale-gen >/dev/null
  fi
done
