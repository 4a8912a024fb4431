#!/usr/bin/env bash
# Installs what the project builds and tests with, from Debian's packages.
# Idempotent: with everything present it only checks. `--check` only reports.
set -euo pipefail

packages=(
    cmake ninja-build g++ make python3 openssl
    googletest libgtest-dev libbenchmark-dev
    libgcrypt20-dev libssl-dev
    g++-mingw-w64-i686-posix g++-mingw-w64-i686-win32
    g++-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-win32
    libgcrypt-mingw-w64-dev libgpg-error-mingw-w64-dev
    wine wine64 wine32:i386
    xvfb xauth imagemagick
    qt6-base-dev qt6-qpa-plugins libcurl4-openssl-dev
    trustedqsl liblmdb0 xdotool
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "${1:-}" = --check ]; then
    echo "missing packages: ${missing[*]}" >&2
    exit 1
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "Installing: ${missing[*]}"
# wine32 (the 32-bit Wine for the i686 build) comes from the i386 architecture.
dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
