#!/usr/bin/env bash
# Installs the Debian packages that building and testing the launcher need.
# Quick when everything is there already.
set -euo pipefail

packages=(
  cmake ninja-build g++ googletest libgtest-dev clang-format
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
  wine wine64 wine32:i386 xvfb
  msitools wixl icoutils python3-pefile osslsigncode openssl imagemagick
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
$SUDO dpkg --add-architecture i386
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
