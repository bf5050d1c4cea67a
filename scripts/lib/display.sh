# Sourced by the scripts: a virtual display of our own when there is none.
# velmora_start_xvfb WIDTHxHEIGHTxDEPTH: starts Xvfb, exports DISPLAY and sets velmora_xvfb_pid.
# velmora_stop_xvfb: ends it again (only what velmora_start_xvfb started).
velmora_xvfb_pid=""

velmora_start_xvfb() {
    local screen=${1:-1280x1024x24} fifo number
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    # -displayfd picks a free display number and tells it once the server accepts connections.
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    velmora_xvfb_pid=$!
    read -r -t 20 number <"$fifo" || number=""
    rm -f "$fifo"
    if [ -z "$number" ]; then
        echo "Xvfb did not start" >&2
        kill "$velmora_xvfb_pid" 2>/dev/null
        velmora_xvfb_pid=""
        return 1
    fi
    export DISPLAY=":$number"
}

velmora_stop_xvfb() {
    if [ -n "$velmora_xvfb_pid" ]; then
        kill "$velmora_xvfb_pid" 2>/dev/null
        wait "$velmora_xvfb_pid" 2>/dev/null
        velmora_xvfb_pid=""
    fi
    return 0
}
