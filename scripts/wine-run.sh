#!/usr/bin/env bash
# Runs a Windows program under Wine for tests and for people: prepares the project's own Wine prefix
# without prompts, starts a virtual display when there is none, runs the program and then ends only
# what it started. Usage: wine-run.sh program.exe [args...]
# Environment: VELMORA_WINEPREFIX (prefix path), VELMORA_KEEP_DISPLAY=1 (leave DISPLAY as it is).
set -u
here=$(cd "$(dirname "$0")" && pwd)

export WINEPREFIX=${VELMORA_WINEPREFIX:-${HOME:-/root}/.cache/velmora/wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$(dirname "$WINEPREFIX")"

# One user of the prefix at a time: tests that move the real mouse cannot share a display, and
# ending the wineserver must not cut another run short.
exec 9>"$WINEPREFIX.lock"
flock 9

started_xvfb=""
if [ -z "${DISPLAY:-}" ]; then
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    started_xvfb=$!
    read -r -t 20 number <"$fifo" || number=""
    rm -f "$fifo"
    if [ -z "$number" ]; then
        echo "wine-run: Xvfb did not start" >&2
        kill "$started_xvfb" 2>/dev/null
        exit 1
    fi
    export DISPLAY=":$number"
fi

cleanup() {
    wineserver -k >/dev/null 2>&1
    if [ -n "$started_xvfb" ]; then
        kill "$started_xvfb" 2>/dev/null
        wait "$started_xvfb" 2>/dev/null
    fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The prefix is made once; its settings are applied again whenever the settings file changes.
stamp="$WINEPREFIX/.velmora-settings"
settings_hash=$(sha1sum "$here/wine-prefix.reg.in" | cut -c1-40)
if [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$settings_hash" ]; then
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        wineboot -i >/dev/null 2>&1
        wineserver -w
    fi
    reg=$(mktemp --suffix=.reg)
    # regedit wants UTF-16LE with a byte-order mark for the Chinese names.
    { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$here/wine-prefix.reg.in"; } >"$reg"
    wine regedit /S "$(winepath -w "$reg" 2>/dev/null)" >/dev/null 2>&1
    wineserver -w
    rm -f "$reg"
    echo "$settings_hash" >"$stamp"
fi

case "$1" in
*.exe | *.EXE) ;;
*) [ -f "$1.exe" ] && set -- "$1.exe" "${@:2}" ;;
esac
wine "$@"
exit $?
