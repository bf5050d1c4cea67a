# Sourced by the run scripts: starts a Windows program of the build under Wine and saves a screenshot.
# velmora_show_program NAME EXE TITLE_REGEX SCREENSHOT [ARGS...]
#   Without a display it runs on a virtual one, waits until the program's window (a title matching
#   TITLE_REGEX) is painted, saves the screenshot and ends the program again; with a display it leaves
#   the program running and still saves a screenshot. NAME prefixes the messages. The program starts
#   in the folder it lies in.
# velmora_build_for_show NAME NOUN TARGET [I686_NOTE]
#   Installs what is missing, picks the i686 build where 32-bit programs run (else x86_64, saying
#   why), builds TARGET in it and leaves the build folder in velmora_show_build.
velmora_build_for_show() {
    local name=$1 noun=$2 target=$3 note=${4:-}
    local root preset
    root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
    bash "$root/scripts/setup.sh"
    velmora_probe_32bit
    if [ "$velmora_can_run_32bit" = 1 ]; then
        preset=win32
        echo "$name: starting the i686 $noun${note:+ $note}"
    else
        preset=win64
        echo "$name: starting the x86_64 $noun: $velmora_no_32bit_reason"
    fi
    velmora_show_build=${VELMORA_BUILD_DIR:-$root/build/$preset}
    cmake --preset "$preset" -B "$velmora_show_build" >/dev/null
    cmake --build "$velmora_show_build" --target "$target" -j "$(nproc)"
}

velmora_show_program() {
    local name=$1 exe=$2 title=$3 shot=$4
    shift 4
    local root
    root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
    . "$root/scripts/lib/display.sh"

    # A virtual display of our own when there is none, so the screenshot can see the window.
    velmora_show_headless=""
    if [ -z "${DISPLAY:-}" ]; then
        velmora_show_headless=1
        velmora_start_xvfb 1024x768x24 || { echo "$name: no display" >&2; return 1; }
    fi
    velmora_show_pid=""
    trap velmora_show_cleanup EXIT

    (cd "$(dirname "$exe")" && exec bash "$root/scripts/wine-run.sh" "$exe" "$@") &
    velmora_show_pid=$!

    # Wait for the window (wine-run.sh may first wait for another user of the Wine prefix), then a
    # moment for it to paint.
    local window=""
    for _ in $(seq 1 600); do
        window=$(xdotool search --name "$title" 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && break
        if ! kill -0 "$velmora_show_pid" 2>/dev/null; then
            echo "$name: the program ended before showing its window" >&2
            return 1
        fi
        sleep 0.5
    done
    if [ -z "$window" ]; then
        echo "$name: no window titled $title appeared" >&2
        return 1
    fi
    sleep 2
    bash "$root/scripts/screenshot.sh" "$shot"
    echo "$name: screenshot saved to $shot"

    if [ -z "$velmora_show_headless" ]; then
        echo "$name: the program is running on $DISPLAY; close its window to end it"
        wait "$velmora_show_pid"
    fi
}

velmora_show_cleanup() {
    # On a virtual display nobody can close the window: end the program (the Wine process that
    # wine-run.sh started for us), let wine-run.sh tidy up, and only then stop the display.
    if [ -n "$velmora_show_headless" ] && [ -n "$velmora_show_pid" ]; then
        for _ in $(seq 1 40); do
            kill -0 "$velmora_show_pid" 2>/dev/null || break
            for pid in $(pgrep -P "$velmora_show_pid" || true); do
                kill -TERM "$pid" 2>/dev/null || true
            done
            sleep 0.5
        done
        kill -TERM "$velmora_show_pid" 2>/dev/null || true
        wait "$velmora_show_pid" 2>/dev/null || true
    fi
    velmora_stop_xvfb
}
