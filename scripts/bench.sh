#!/usr/bin/env bash
# Builds the bench preset and the Windows benchmark program, runs every benchmark once and prints each
# ratio (medians of 5 interleaved repetitions, every subject measured in the same run as its baseline).
# Usage: bench.sh [win32|win64]   (the Windows build whose program runs under Wine; default win32, the
#                                  shipped one, or win64 where 32-bit programs cannot run)
set -uo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/wine.sh

preset=${1:-}
if [ -z "$preset" ]; then
    velmora_probe_32bit
    if [ "$velmora_can_run_32bit" = 1 ]; then preset=win32; else preset=win64; fi
fi
jobs=$(nproc)
status=0

echo "=== bench: build"
{ cmake --preset bench >/dev/null && cmake --build --preset bench -j"$jobs" >/dev/null; } ||
    { echo "bench: the bench preset does not build"; exit 1; }

# Repetitions of a subject and its baseline are interleaved, so that both see the same machine load.
repeat=(--benchmark_repetitions=5 --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true)
for name in package skinini render; do
    echo "=== ${name}_bench"
    # The benches' own reporters colour their tables whatever the flags say: the colours are dropped.
    if ! build/bench/bench/${name}_bench "${repeat[@]}" 2>&1 | sed -E 's/\x1b\[[0-9;]*m//g' >"/tmp/velmora-${name}-bench.log"; then
        echo "bench: ${name}_bench failed (log in /tmp/velmora-${name}-bench.log)"
        status=1
    fi
    # The ratio lines, and the throughput of the benchmarks that count bytes (the medians).
    grep -E "x memcpy|bare inflate|count lines|^skin ini|^package" "/tmp/velmora-${name}-bench.log"
    grep -E "_median .*/s$" "/tmp/velmora-${name}-bench.log" | awk '{print "  " $1 ": " $NF}'
done

echo "=== launcher_bench ($preset, under Wine)"
{ cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" -j"$jobs" --target launcher_bench >/dev/null; } ||
    { echo "bench: launcher_bench does not build for $preset"; exit 1; }
bash scripts/wine-run.sh "build/$preset/bench/win32/launcher_bench.exe" || {
    echo "bench: launcher_bench failed or could not run"
    status=1
}
exit $status
