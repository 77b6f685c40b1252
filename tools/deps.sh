#!/usr/bin/env bash
# Installs the Debian packages a command needs, skipping what is already there.
# Usage: tools/deps.sh play|test
set -euo pipefail

# libdeflate: the game's own pictures inflate several times faster than through libpng.
build_pkgs=(build-essential cmake pkg-config
  libsdl2-dev libsdl2-mixer-dev libsdl2-image-dev libdeflate-dev libglew-dev libgl-dev
  libfreetype-dev libfontconfig-dev fonts-liberation2 fonts-dejavu-core
  libcairo2-dev libpng-dev libvorbis-dev libogg-dev libjpeg62-turbo-dev libgl1-mesa-dri)
test_pkgs=(libgtest-dev xvfb xauth xdotool imagemagick x11-utils libx11-dev
  clang libclang-rt-14-dev valgrind desktop-file-utils appstream dpkg-dev lintian man-db)

wanted=("${build_pkgs[@]}")
[ "${1:-play}" = test ] && wanted+=("${test_pkgs[@]}")

missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
