#!/usr/bin/env bash
# Installs the Debian packages the build, the tool and the tests need, only those that are missing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6test6 libqt6opengl6-dev libgl-dev
  libgtest-dev googletest
  fonts-wqy-microhei
  clang libclang-rt-14-dev
  xvfb xauth x11-utils xdotool imagemagick openbox xcompmgr feh
  python3
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
