# Sourced by the scripts: which Wine loader works on this machine.
#
# Some machines cannot execute 32-bit x86 programs at all ("Exec format error"). Debian's
# /usr/bin/wine picks the 32-bit loader whenever wine32 is installed, so there every call through it
# fails, even for a 64-bit program. We find out by running a tiny 32-bit program (the 32-bit loader
# itself) and otherwise call the 64-bit loader directly.
#
# VELMORA_NO_32BIT=1 makes the probe answer "no" on any machine, so the fallback can be tested.
# After velmora_probe_wine: velmora_can_run_32bit (1 or 0), velmora_no_32bit_reason, and the command
# array velmora_wine (the loader to run programs and Wine's own tools with).

velmora_wine32_loader=${VELMORA_WINE32_LOADER:-/usr/lib/wine/wine}
velmora_wine64_loader=${VELMORA_WINE64_LOADER:-/usr/lib/wine/wine64}

velmora_probe_32bit() {
    velmora_can_run_32bit=0
    velmora_no_32bit_reason=""
    if [ "${VELMORA_NO_32BIT:-}" = 1 ]; then
        velmora_no_32bit_reason="VELMORA_NO_32BIT=1 is set"
        return 0
    fi
    # The machine's answer is exported, so nested scripts ask only once.
    if [ -n "${VELMORA_CAN_RUN_32BIT:-}" ]; then
        velmora_can_run_32bit=$VELMORA_CAN_RUN_32BIT
        velmora_no_32bit_reason=${VELMORA_NO_32BIT_REASON:-}
        return 0
    fi
    if [ ! -x "$velmora_wine32_loader" ]; then
        velmora_no_32bit_reason="the 32-bit Wine loader $velmora_wine32_loader is not installed"
    else
        local out
        if out=$("$velmora_wine32_loader" --version 2>&1); then
            velmora_can_run_32bit=1
        else
            velmora_no_32bit_reason="this machine cannot execute 32-bit x86 programs (${out##*: })"
        fi
    fi
    export VELMORA_CAN_RUN_32BIT=$velmora_can_run_32bit VELMORA_NO_32BIT_REASON=$velmora_no_32bit_reason
}

velmora_probe_wine() {
    velmora_probe_32bit
    if [ "$velmora_can_run_32bit" = 1 ]; then
        velmora_wine=(wine)
    else
        export WINELOADER=$velmora_wine64_loader
        velmora_wine=("$velmora_wine64_loader")
    fi
}

# Prints the machine a PE program is built for: i386, x86_64 or unknown.
velmora_pe_machine() {
    local file=$1 offset machine
    offset=$(od -An -t u4 -j 60 -N 4 "$file" 2>/dev/null | tr -d ' ')
    [ -n "$offset" ] || { echo unknown; return; }
    [ "$(od -An -c -j "$offset" -N 2 "$file" 2>/dev/null | tr -d ' ')" = "PE" ] || { echo unknown; return; }
    machine=$(od -An -t x2 -j $((offset + 4)) -N 2 "$file" 2>/dev/null | tr -d ' ')
    case "$machine" in
    014c) echo i386 ;;
    8664) echo x86_64 ;;
    *) echo unknown ;;
    esac
}
