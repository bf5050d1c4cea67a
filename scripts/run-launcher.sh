#!/usr/bin/env bash
# Builds the Windows launcher and starts it under Wine: the shipped i686 build where this machine
# runs 32-bit programs, otherwise the x86_64 build. Without a display it runs on a virtual one, waits
# until the window is painted, saves a screenshot and closes the launcher again; with a display it
# leaves the launcher running for you and still saves a screenshot.
# Usage: run-launcher.sh [screenshot.png]
# Environment: VELMORA_BUILD_DIR (default build/win32 or build/win64), VELMORA_NO_32BIT=1.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/lib/wine.sh"
. "$root/scripts/lib/show-program.sh"

velmora_build_for_show run-launcher launcher Project1 "(the shipped build)"
build=$velmora_show_build
shot=${1:-$build/launcher-screenshot.png}
exe="$build/src/launcher/Project1.exe"

velmora_show_program run-launcher "$exe" "^Velmora" "$shot"
