#!/usr/bin/env bash
# Installs everything the build and tests need on a fresh Debian 12 machine (run as root).
# Quick when everything is already there.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev
    zlib1g-dev googletest libgtest-dev libbenchmark-dev
    mingw-w64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix libz-mingw-w64-dev
    wine wine32 wine64 xvfb xauth x11-utils x11-apps xdotool imagemagick
    fonts-wqy-microhei fonts-liberation python3 python3-pil
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
        missing+=("$p")
    fi
done
# wine32 is an i386 package: check it under its multiarch name too.
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "setup: installing ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -q i386; then
    dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${packages[@]}"
