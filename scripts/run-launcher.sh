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

bash "$root/scripts/setup.sh"
velmora_probe_32bit
if [ "$velmora_can_run_32bit" = 1 ]; then
    preset=win32
    echo "run-launcher: starting the i686 launcher (the shipped build)"
else
    preset=win64
    echo "run-launcher: starting the x86_64 launcher: $velmora_no_32bit_reason"
fi
build=${VELMORA_BUILD_DIR:-$root/build/$preset}
shot=${1:-$build/launcher-screenshot.png}
cmake --preset "$preset" -B "$build" >/dev/null
cmake --build "$build" --target Project1 -j "$(nproc)"
exe="$build/src/launcher/Project1.exe"

velmora_show_program run-launcher "$exe" "^Velmora" "$shot"
