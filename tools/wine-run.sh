#!/bin/sh
# The test emulator of the win64 build: runs a Windows program under 64-bit
# Wine. Each build folder keeps its own Wine prefix, made on first use, so
# test runs never touch $HOME; WINE_PREFIX_DIR names another prefix.
set -eu

wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

# CTest runs each test inside the build tree: the nearest folder holding a
# CMakeCache.txt is the build folder.
build_folder() {
    dir=$(pwd)
    while [ "$dir" != / ]; do
        if [ -f "$dir/CMakeCache.txt" ]; then
            echo "$dir"
            return
        fi
        dir=$(dirname "$dir")
    done
}

if [ -n "${WINE_PREFIX_DIR:-}" ]; then
    prefix=$WINE_PREFIX_DIR
else
    build=$(build_folder)
    prefix=${build:+$build/wineprefix}
    prefix=${prefix:-/tmp/zov-wineprefix}
fi
export WINEPREFIX="$prefix"
export WINEDEBUG=-all

# Parallel tests wait for whichever of them makes the prefix. Mono and Gecko
# are not wanted (no installer prompts); the marker is written once the
# server has flushed the new prefix to disk.
if [ ! -f "$WINEPREFIX/.prefix-ready" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    flock "$WINEPREFIX.lock" sh -c '
        [ -f "$WINEPREFIX/.prefix-ready" ] && exit 0
        WINEDLLOVERRIDES="mscoree,mshtml=" "$1" wineboot -i >/dev/null 2>&1
        "$2" -w
        touch "$WINEPREFIX/.prefix-ready"' sh "$wine" "$wineserver"
fi

# Wine's helper processes inherit the output of the program that starts
# them and outlive it, so CTest would wait seconds for them on every test.
# Starting the server and its helpers with detached output first, and
# keeping them for a while between runs, makes each run take a fraction of
# a second.
if "$wineserver" -p10 </dev/null >/dev/null 2>&1; then
    "$wine" cmd /c exit </dev/null >/dev/null 2>&1 || true
fi

exec "$wine" "$@"
