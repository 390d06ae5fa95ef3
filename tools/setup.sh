#!/usr/bin/env bash
# Installs whatever the build, the tests and the Wine bench need and this machine lacks.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev libpng-dev
  g++-mingw-w64-x86-64
  clang-format
  wine wine64 xvfb xserver-xephyr x11-utils x11-xserver-utils xdotool imagemagick
  libx11-dev libxext-dev libxrender-dev libxdamage-dev
  xscreensaver xsecurelock
  locales fonts-ipafont-gothic
  sox gstreamer1.0-plugins-good gstreamer1.0-plugins-base
  strace
  nsis
  xscreensaver xscreensaver-data xsecurelock lintian dpkg-dev debhelper zip
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
fi

# Wine takes its code page from the locale: ja_JP.UTF-8 gives code page 932 (the Japanese bench),
# en_US.UTF-8 code page 1252 (the Western bench).
for locale in ja_JP en_US; do
  if ! locale -a 2>/dev/null | grep -qi "^$locale\.utf-\?8$"; then
    echo "setup: generating $locale.UTF-8"
    $sudo sed -i "s/^# *\($locale.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$locale.UTF-8 UTF-8" /etc/locale.gen || echo "$locale.UTF-8 UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen
  fi
done
