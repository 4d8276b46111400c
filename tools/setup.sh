#!/usr/bin/env bash
# Installs on a Debian machine whatever the builds, the tests and the run
# command need and is missing; quick when everything is present. Only the
# 64-bit Wine: this kernel cannot execute 32-bit programs.
set -euo pipefail

packages=(
    cmake g++ make python3 googletest libgtest-dev
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
    wine wine64 fonts-wine fonts-liberation
    xserver-xorg-core xserver-xorg-video-dummy xvfb x11-utils x11-xserver-utils
    imagemagick liblcms2-dev liblcms2-utils xcalib pkg-config fp-utils nsis
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
