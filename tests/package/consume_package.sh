#!/usr/bin/env bash
# Installs a build tree into a fresh prefix, then configures, builds and runs a consumer project
# against the installed package in a build directory of its own.
# Usage: consume_package.sh <build dir> <work dir> <consumer source> <command to run in its build dir...>
# Environment: VELMORA_CONSUMER_TOOLCHAIN (empty for native), VELMORA_CONSUMER_CXX,
# VELMORA_CONSUMER_GENERATOR, VELMORA_CONSUMER_BUILD_TYPE.
# Exit status: the consumer's (77 passes a skip through); 1 when a step before it fails.
set -eu
build=$1 work=$2 source=$3
shift 3

rm -rf "$work"
mkdir -p "$work"
step() {
    echo "== $1" >&2
}

step "installing $build into $work/prefix"
cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" || { cat "$work/install.log" >&2; exit 1; }

compiler=()
if [ -n "${VELMORA_CONSUMER_TOOLCHAIN:-}" ]; then
    compiler=(-DCMAKE_TOOLCHAIN_FILE="$VELMORA_CONSUMER_TOOLCHAIN")
else
    compiler=(-DCMAKE_CXX_COMPILER="$VELMORA_CONSUMER_CXX")
fi
step "configuring $source"
cmake -S "$source" -B "$work/build" -G "${VELMORA_CONSUMER_GENERATOR:-Ninja}" "${compiler[@]}" \
    -DCMAKE_BUILD_TYPE="${VELMORA_CONSUMER_BUILD_TYPE:-Release}" -DCMAKE_PREFIX_PATH="$work/prefix" \
    >"$work/configure.log" 2>&1 || { cat "$work/configure.log" >&2; exit 1; }
step "building"
cmake --build "$work/build" >"$work/build.log" 2>&1 || { cat "$work/build.log" >&2; exit 1; }

step "running $*"
cd "$work/build"
set +e
"$@"
status=$?
echo "== exit status $status" >&2
exit $status
