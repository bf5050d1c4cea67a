#!/usr/bin/env bash
# Builds the Windows (i686) launcher and starts it under Wine. Without a display it runs on a
# virtual one, waits until the window is painted, saves a screenshot and closes the launcher again;
# with a display it leaves the launcher running for you and still saves a screenshot.
# Usage: run-launcher.sh [screenshot.png]     Environment: VELMORA_BUILD_DIR (default build/win32).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMORA_BUILD_DIR:-$root/build/win32}
shot=${1:-$build/launcher-screenshot.png}
title="Velmora安装向导"

bash "$root/scripts/setup.sh"
cmake --preset win32 -B "$build" >/dev/null
cmake --build "$build" --target Project1 -j "$(nproc)"
exe="$build/src/launcher/Project1.exe"

# A virtual display of our own when there is none, so the screenshot can see the window.
started_xvfb=""
headless=""
if [ -z "${DISPLAY:-}" ]; then
    headless=1
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    started_xvfb=$!
    read -r -t 20 number <"$fifo" || number=""
    rm -f "$fifo"
    if [ -z "$number" ]; then
        echo "run-launcher: Xvfb did not start" >&2
        exit 1
    fi
    export DISPLAY=":$number"
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
    if [ -n "$started_xvfb" ]; then
        kill "$started_xvfb" 2>/dev/null || true
        wait "$started_xvfb" 2>/dev/null || true
    fi
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
