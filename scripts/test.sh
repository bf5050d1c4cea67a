#!/usr/bin/env bash
# Installs what is missing, builds the native, win32 and win64 presets and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

jobs=$(nproc)
for preset in native win32 win64; do
    echo "=== build $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
done

status=0
for preset in native win32 win64; do
    echo "=== test $preset"
    ctest --preset "$preset" || status=1
done
exit $status
