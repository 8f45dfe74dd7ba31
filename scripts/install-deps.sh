#!/usr/bin/env bash
# Installs the Debian packages the game, its tools and its tests need.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config
  libsdl2-dev libsdl2-image-dev libsdl2-mixer-dev libsdl2-ttf-dev
  libfontconfig-dev fonts-liberation2 fonts-dejavu-core fonts-wqy-microhei timgm6mb-soundfont libgif-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
