#!/usr/bin/env bash
# Runs a Windows program under Wine for tests and for people: prepares the project's own Wine prefix
# without prompts, starts a virtual display when there is none, runs the program and then ends only
# what it started. Usage: wine-run.sh program.exe [args...]
# Environment: VELMORA_WINEPREFIX (prefix path), VELMORA_NO_32BIT=1 (act as on a machine that cannot
# run 32-bit programs).
# Exit status: the program's; 77 when the program is a 32-bit one and this machine cannot run it
# (the tests count that as skipped, with the reason on stderr).
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/display.sh"
. "$here/lib/wine.sh"

[ $# -ge 1 ] || { echo "usage: wine-run.sh program.exe [args...]" >&2; exit 2; }
case "$1" in
*.exe | *.EXE) ;;
*) [ -f "$1.exe" ] && set -- "$1.exe" "${@:2}" ;;
esac

velmora_probe_wine
if [ "$velmora_can_run_32bit" != 1 ] && [ -f "$1" ] && [ "$(velmora_pe_machine "$1")" = i386 ]; then
    echo "wine-run: skipped $(basename "$1"): it is a 32-bit program and $velmora_no_32bit_reason" >&2
    exit 77
fi

export WINEPREFIX=${VELMORA_WINEPREFIX:-${HOME:-/root}/.cache/velmora/wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$(dirname "$WINEPREFIX")"

# One user of the prefix at a time: tests that move the real mouse cannot share a display, and
# ending the wineserver must not cut another run short.
exec 9>"$WINEPREFIX.lock"
flock 9

if [ -z "${DISPLAY:-}" ]; then
    velmora_start_xvfb 1280x1024x24 || { echo "wine-run: no display" >&2; exit 1; }
fi

cleanup() {
    wineserver -k >/dev/null 2>&1
    velmora_stop_xvfb
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The prefix is made once; its settings are applied again whenever the settings file changes. The
# stamp is written only after every step succeeded, so a failed set-up is tried again next time.
stamp="$WINEPREFIX/.velmora-settings"
settings_hash=$(sha1sum "$here/wine-prefix.reg.in" | cut -c1-40)
if [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$settings_hash" ]; then
    log=$(mktemp)
    reg=$(mktemp --suffix=.reg)
    fail() {
        echo "wine-run: setting up the Wine prefix $WINEPREFIX failed: $1" >&2
        cat "$log" >&2
        rm -f "$log" "$reg"
        exit 1
    }
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        "${velmora_wine[@]}" wineboot -i >"$log" 2>&1 || fail "wineboot -i"
        wineserver -w
        [ -f "$WINEPREFIX/system.reg" ] || fail "wineboot made no registry"
    fi
    # regedit wants UTF-16LE with a byte-order mark for the Chinese names.
    { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$here/wine-prefix.reg.in"; } >"$reg" || fail "iconv"
    winreg=$("${velmora_wine[@]}" winepath -w "$reg" 2>>"$log") || fail "winepath"
    [ -n "$winreg" ] || fail "winepath gave no path"
    "${velmora_wine[@]}" regedit /S "$winreg" >>"$log" 2>&1 || fail "regedit"
    wineserver -w
    grep -q '"Decorated"="N"' "$WINEPREFIX/user.reg" || fail "the settings are not in the registry"
    rm -f "$log" "$reg"
    echo "$settings_hash" >"$stamp"
fi

"${velmora_wine[@]}" "$@"
exit $?
