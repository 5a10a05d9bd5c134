#!/bin/sh
# Cross-builds the Windows program with mingw-w64, without the window half: build-win64
# (x86_64) and build-win32 (i686). The first argument picks one (64 or 32; default both);
# further arguments go to cmake.
set -e
cd "$(dirname "$0")/.."
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
    cmake -S . -B "build-win$bits" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="cmake/toolchains/$toolchain.cmake" \
        -DQUORVEX_WINDOW=OFF "$@" >/dev/null
    cmake --build "build-win$bits"
done
