#!/bin/sh
# Configures and builds into the given folder (default: build). Extra arguments go to cmake.
set -e
cd "$(dirname "$0")/.."
folder=${1:-build}
[ $# -gt 0 ] && shift
cmake -S . -B "$folder" -G Ninja "$@" >/dev/null
cmake --build "$folder"
