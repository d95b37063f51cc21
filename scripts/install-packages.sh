#!/usr/bin/env bash
# Installs the Debian packages Lumora needs to build, test and run. Safe to run again:
# apt-get is only called when something is missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libsdl2-dev libsoundtouch-dev
  libespeak-ng-dev espeak-ng-data fonts-nanum fonts-ipafont-gothic
  libgtest-dev libbenchmark-dev libxcb1-dev
  xvfb xauth xdotool python3-pyatspi at-spi2-core dbus-daemon
  clang-14 libclang-rt-14-dev
  libsndfile1-dev libsamplerate0-dev libebur128-dev
  libaubio-dev praat
  libsqlite3-dev qt6-charts-dev libqt6opengl6-dev
  dpkg-dev file lintian desktop-file-utils appstream
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
