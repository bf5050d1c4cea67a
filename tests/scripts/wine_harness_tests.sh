#!/usr/bin/env bash
# Tests of scripts/lib/wine.sh and wine-run.sh that need no Wine: the 32-bit probe, its switch, the
# loader it picks, and the skip answer for a 32-bit program where none can run.
# Usage: wine_harness_tests.sh SCRIPTS_DIR
set -u
scripts=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
passed=0
check() { # check NAME EXPECTED ACTUAL
    if [ "$2" = "$3" ]; then
        passed=$((passed + 1))
    else
        echo "FAIL $1: expected '$2', got '$3'"
        failures=$((failures + 1))
    fi
}

# A minimal PE header: "MZ", e_lfanew = 64, "PE\0\0", then the machine field.
make_pe() { # make_pe FILE MACHINE_LOW MACHINE_HIGH (octal escapes)
    { printf 'MZ'; head -c 58 /dev/zero; printf '\100\000\000\000'; printf 'PE\000\000'; printf "$2$3"; head -c 32 /dev/zero; } >"$1"
}
make_pe "$work/app32.exe" '\114' '\001' # 0x014c
make_pe "$work/app64.exe" '\144' '\206' # 0x8664
printf 'not a program' >"$work/text.exe"
# An ELF file no machine executes: stands in for a 32-bit program on a machine that cannot run one.
{ printf '\177ELF\001\001\001'; head -c 57 /dev/zero; } >"$work/noexec"
chmod +x "$work/noexec"

probe() { # probe [VAR=VALUE...]: prints "can_run|loader|reason" from a fresh shell
    env -u VELMORA_CAN_RUN_32BIT -u VELMORA_NO_32BIT_REASON -u VELMORA_NO_32BIT -u WINELOADER "$@" bash -c '
        . "$0/lib/wine.sh"; velmora_probe_wine
        echo "$velmora_can_run_32bit|${velmora_wine[*]}|${WINELOADER:-}|$velmora_no_32bit_reason"' "$scripts"
}

# Machine types of PE files.
machine() { bash -c '. "$0/lib/wine.sh"; velmora_pe_machine "$1"' "$scripts" "$1"; }
check "i386 PE" i386 "$(machine "$work/app32.exe")"
check "x86_64 PE" x86_64 "$(machine "$work/app64.exe")"
check "not a PE" unknown "$(machine "$work/text.exe")"

# A loader that runs: 32-bit programs go through the ordinary wine command.
check "working loader" "1|wine||" "$(probe VELMORA_WINE32_LOADER=/bin/true)"
# A loader the kernel refuses: the 64-bit loader, with the kernel's reason.
result=$(probe VELMORA_WINE32_LOADER="$work/noexec" VELMORA_WINE64_LOADER=/x/wine64)
check "refused loader" "0|/x/wine64|/x/wine64|" "${result%|*}|"
case "${result##*|}" in
*"cannot execute 32-bit"*"Exec format error"*) passed=$((passed + 1)) ;;
*) echo "FAIL refused loader reason: ${result##*|}"; failures=$((failures + 1)) ;;
esac
# No loader installed at all.
check "missing loader" "0|/x/wine64|/x/wine64|the 32-bit Wine loader /x/none is not installed" \
    "$(probe VELMORA_WINE32_LOADER=/x/none VELMORA_WINE64_LOADER=/x/wine64)"
# The switch wins over a working loader and over an answer exported by an outer script.
check "switch" "0|/x/wine64|/x/wine64|VELMORA_NO_32BIT=1 is set" \
    "$(probe VELMORA_WINE32_LOADER=/bin/true VELMORA_WINE64_LOADER=/x/wine64 VELMORA_NO_32BIT=1 VELMORA_CAN_RUN_32BIT=1)"
# An exported answer is reused without probing again.
check "exported answer" "1|wine||" "$(probe VELMORA_WINE32_LOADER=/x/none VELMORA_CAN_RUN_32BIT=1)"

# wine-run.sh skips a 32-bit program where none can run (77, with the reason) before touching Wine.
err=$(VELMORA_NO_32BIT=1 VELMORA_WINEPREFIX="$work/prefix" bash "$scripts/wine-run.sh" "$work/app32.exe" 2>&1)
check "skip status" 77 "$?"
case "$err" in
*"skipped app32.exe"*"VELMORA_NO_32BIT=1 is set"*) passed=$((passed + 1)) ;;
*) echo "FAIL skip message: $err"; failures=$((failures + 1)) ;;
esac
check "no prefix made for a skipped program" no "$([ -e "$work/prefix" ] && echo yes || echo no)"

echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
