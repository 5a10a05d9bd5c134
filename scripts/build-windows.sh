#!/bin/sh
# Cross-builds the Windows program with mingw-w64: build-win64 (x86_64) and build-win32
# (i686), without the window half. With --window first, the program with its window goes to
# build-win64-window and build-win32-window, against wxWidgets and libjpeg from
# scripts/build-wx-windows.sh (built on first use, then taken from its cache). The next
# argument picks one target (64 or 32; default both); further arguments go to cmake.
# QUORVEX_TARGETS may name the targets to build instead of all.
set -e
cd "$(dirname "$0")/.."
window=""
if [ "$1" = "--window" ]; then
    window=yes
    shift
fi
targets="64 32"
case "$1" in
64 | 32)
    targets=$1
    shift
    ;;
esac
for bits in $targets; do
    case $bits in
    64) toolchain=x86_64-w64-mingw32 ;;
    32) toolchain=i686-w64-mingw32 ;;
    esac
    if [ -n "$window" ]; then
        prefixes=$(scripts/build-wx-windows.sh "$bits")
        jpeg=$(echo "$prefixes" | sed -n 1p)
        wx=$(echo "$prefixes" | sed -n 2p)
        cmake -S . -B "build-win$bits-window" -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="cmake/toolchains/$toolchain.cmake" \
            -DQUORVEX_WINDOW=ON -DQUORVEX_LINKED_WINDOW=ON \
            -DwxWidgets_CONFIG_EXECUTABLE="$wx/bin/wx-config" \
            -DJPEG_INCLUDE_DIR="$jpeg/include" -DJPEG_LIBRARY="$jpeg/lib/libjpeg.a" \
            "$@" >/dev/null
        cmake --build "build-win$bits-window" ${QUORVEX_TARGETS:+--target $QUORVEX_TARGETS}
    else
        cmake -S . -B "build-win$bits" -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="cmake/toolchains/$toolchain.cmake" \
            -DQUORVEX_WINDOW=OFF "$@" >/dev/null
        cmake --build "build-win$bits" ${QUORVEX_TARGETS:+--target $QUORVEX_TARGETS}
    fi
done
