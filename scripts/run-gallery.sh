#!/usr/bin/env bash
# Builds the skin gallery and starts it under Wine: the i686 build where this machine runs 32-bit
# programs, otherwise the x86_64 build. Without a display it runs on a virtual one, saves a
# screenshot and closes the gallery again; with a display it leaves the gallery running for you.
# Usage: run-gallery.sh [--skin velmora|ember|FILE.skn] [--shot screenshot.png]
# Environment: VELMORA_BUILD_DIR (default build/win32 or build/win64), VELMORA_NO_32BIT=1.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/lib/wine.sh"
. "$root/scripts/lib/show-program.sh"

args=()
shot=""
while [ $# -gt 0 ]; do
    case "$1" in
    --skin)
        [ $# -ge 2 ] || { echo "run-gallery: --skin needs a skin name or file" >&2; exit 2; }
        # A file is passed on as an absolute path: the gallery starts in its own folder.
        if [ -f "$2" ]; then args+=(--skin "$(cd "$(dirname "$2")" && pwd)/$(basename "$2")"); else args+=(--skin "$2"); fi
        shift 2 ;;
    --shot)
        [ $# -ge 2 ] || { echo "run-gallery: --shot needs a file name" >&2; exit 2; }
        shot=$2
        shift 2 ;;
    *) echo "usage: run-gallery.sh [--skin velmora|ember|FILE.skn] [--shot screenshot.png]" >&2; exit 2 ;;
    esac
done

velmora_build_for_show run-gallery gallery skingallery
build=$velmora_show_build
shot=${shot:-$build/gallery-screenshot.png}

# Wine turns a host path into a Z: path only when asked: hand the gallery a Windows path.
for i in "${!args[@]}"; do
    case "${args[$i]}" in /*) args[$i]="Z:${args[$i]//\//\\}" ;; esac
done
velmora_show_program run-gallery "$build/src/gallery/skingallery.exe" "^Skin gallery" "$shot" "${args[@]}"
