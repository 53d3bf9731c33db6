#!/usr/bin/env bash
# Installs everything the build and the tests need on a fresh Debian machine:
# the MinGW-w64 cross compilers, Wine (64- and 32-bit), Xvfb and the helpers
# the test and demo scripts use. Safe to run again; it only adds what is missing.
set -euo pipefail

packages=(
  cmake ninja-build ccache g++ clang libclang-rt-dev llvm googletest libbenchmark-dev cppcheck clang-format
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  wine wine64 wine32:i386 fonts-wine
  xvfb x11-utils xdotool imagemagick fp-utils libchm-bin unzip openssl osslsigncode locales
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
