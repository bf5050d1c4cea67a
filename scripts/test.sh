#!/usr/bin/env bash
# Installs what is missing, then builds and tests each preset (win32, win64, native). A failure in
# one preset does not stop the others; each ends with one summary line, and the last line adds them
# up (a preset that does not configure or build, or runs no test, counts as one failure). Where this
# machine cannot run 32-bit programs, the win32 tests are reported as skipped with the reason
# (VELMORA_NO_32BIT=1 acts so on any machine).
# The tests of one preset run while the next preset builds: the Windows tests mostly wait on Wine
# and the display, so the build takes the processors meanwhile, at a lower priority than the tests.
# Tests of two presets never run at once, and each preset's test log is printed whole, in order.
# Usage: test.sh [preset...]
set -uo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/wine.sh

bash scripts/setup.sh || { echo "test: installing the dependencies failed"; exit 1; }

presets=("$@")
# The Windows presets first: their tests, which wait on Wine more than they compute, then overlap
# the next build; the native tests take seconds.
[ ${#presets[@]} -gt 0 ] || presets=(win32 win64 native)
jobs=$(nproc)
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT

velmora_probe_32bit
if [ "$velmora_can_run_32bit" != 1 ]; then
    echo "test: 32-bit programs cannot run here: $velmora_no_32bit_reason; the win32 tests will be skipped"
fi

# Configures and builds one preset; a failure leaves its summary line in $logs/$preset.result.
build_preset() {
    local preset=$1
    echo "=== $preset: build"
    if ! cmake --preset "$preset" >"$logs/$preset.configure" 2>&1; then
        cat "$logs/$preset.configure"
        echo "$preset: configure FAILED|0|1|0|1" >"$logs/$preset.result"
        return 1
    fi
    if ! nice -n 10 cmake --build --preset "$preset" -j "$jobs" >"$logs/$preset.build" 2>&1; then
        cat "$logs/$preset.build"
        echo "$preset: build FAILED|0|1|0|1" >"$logs/$preset.result"
        return 1
    fi
    tail -n 1 "$logs/$preset.build"
}

# Runs one preset's tests and leaves "line|passed|failed|skipped|status" in $logs/$preset.result.
test_preset() {
    local preset=$1 start=$2
    ctest --preset "$preset" >"$logs/$preset.test" 2>&1
    local ctest_status=$?
    # CTest's counts: "N tests failed out of M" and the "(Skipped)" lines of tests that did not run.
    local failed total skipped passed line bad=0
    read -r failed total < <(sed -nE 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1 \2/p' "$logs/$preset.test" | tail -n 1)
    failed=${failed:-0}
    total=${total:-0}
    skipped=$(grep -cE '^\s+[0-9]+ - .*\(Skipped\)' "$logs/$preset.test")
    passed=$((total - failed - skipped))
    line="$preset: $passed passed, $failed failed, $skipped skipped in $((SECONDS - start)) s"
    if [ "$skipped" -gt 0 ] && [ "$preset" = win32 ] && [ "$velmora_can_run_32bit" != 1 ]; then
        line+=" (skipped: $velmora_no_32bit_reason)"
    fi
    if [ "$ctest_status" -ne 0 ] || [ "$total" -eq 0 ]; then
        [ "$total" -eq 0 ] && line+=" (no tests ran)"
        [ "$failed" -gt 0 ] || failed=1
        bad=1
    fi
    echo "$line|$passed|$failed|$skipped|$bad" >"$logs/$preset.result"
}

# Waits for the tests running in the background, if any, and prints their log.
testing_pid=""
testing_preset=""
finish_testing() {
    [ -n "$testing_pid" ] || return 0
    wait "$testing_pid"
    echo "=== $testing_preset: test"
    cat "$logs/$testing_preset.test"
    testing_pid=""
}

for preset in "${presets[@]}"; do
    start=$SECONDS
    if build_preset "$preset"; then
        finish_testing
        test_preset "$preset" "$start" &
        testing_pid=$!
        testing_preset=$preset
    fi
done
finish_testing

summaries=()
status=0
total_passed=0
total_failed=0
total_skipped=0
for preset in "${presets[@]}"; do
    IFS='|' read -r line passed failed skipped bad <"$logs/$preset.result"
    summaries+=("$line")
    total_passed=$((total_passed + passed))
    total_failed=$((total_failed + failed))
    total_skipped=$((total_skipped + skipped))
    [ "$bad" -eq 0 ] || status=1
done

echo "=== summary"
printf '%s\n' "${summaries[@]}"
echo "total: $total_passed passed, $total_failed failed, $total_skipped skipped"
exit $status
