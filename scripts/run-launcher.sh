#!/usr/bin/env bash
# Builds the Windows launcher and starts it under Wine: the shipped i686 build where this machine
# runs 32-bit programs, otherwise the x86_64 build. Without a display it runs on a virtual one, waits
# until the window is painted, saves a screenshot and closes the launcher again; with a display it
# leaves the launcher running for you and still saves a screenshot.
# Usage: run-launcher.sh [screenshot.png]
# Environment: VELMORA_BUILD_DIR (default build/win32 or build/win64), VELMORA_NO_32BIT=1.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/lib/display.sh"
. "$root/scripts/lib/wine.sh"
title="Velmora安装向导"

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

# A virtual display of our own when there is none, so the screenshot can see the window.
headless=""
if [ -z "${DISPLAY:-}" ]; then
    headless=1
    velmora_start_xvfb 1024x768x24 || { echo "run-launcher: no display" >&2; exit 1; }
fi

launcher_pid=""
cleanup() {
    # On a virtual display nobody can close the window: end the launcher (the Wine process that
    # wine-run.sh started for us), let wine-run.sh tidy up, and only then stop the display.
    if [ -n "$headless" ] && [ -n "$launcher_pid" ]; then
        for _ in $(seq 1 40); do
            kill -0 "$launcher_pid" 2>/dev/null || break
            for pid in $(pgrep -P "$launcher_pid" || true); do
                kill -TERM "$pid" 2>/dev/null || true
            done
            sleep 0.5
        done
        kill -TERM "$launcher_pid" 2>/dev/null || true
        wait "$launcher_pid" 2>/dev/null || true
    fi
    velmora_stop_xvfb
}
trap cleanup EXIT

# The launcher resolves data/setup.exe against its working directory: start it in the build folder.
(cd "$(dirname "$exe")" && exec bash "$root/scripts/wine-run.sh" "$exe") &
launcher_pid=$!

# Wait for the window (wine-run.sh may first wait for another user of the Wine prefix), then a
# moment for it to paint.
window=""
for _ in $(seq 1 600); do
    window=$(xdotool search --name "^Velmora" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    if ! kill -0 "$launcher_pid" 2>/dev/null; then
        echo "run-launcher: the launcher ended before showing its window" >&2
        exit 1
    fi
    sleep 0.5
done
if [ -z "$window" ]; then
    echo "run-launcher: no window titled $title appeared" >&2
    exit 1
fi
sleep 2
bash "$root/scripts/screenshot.sh" "$shot"
echo "run-launcher: screenshot saved to $shot"

if [ -z "$headless" ]; then
    echo "run-launcher: the launcher is running on $DISPLAY; close its window to end it"
    wait "$launcher_pid"
fi
