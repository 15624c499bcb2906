#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need. Idempotent and quick
# when everything is present: apt is only touched for what is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  libz-mingw-w64-dev zlib1g-dev
  googletest libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev
  unicode-data
  libzopfli-dev libssl-dev
  libcairo2-dev libpango1.0-dev fonts-dejavu-core poppler-utils
  wine wine64 wine32:i386 xvfb xauth imagemagick
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
echo "installing: ${missing[*]}" >&2
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
