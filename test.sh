#!/bin/sh
# Builds Quorvex and runs every test suite (window tests under a virtual display).
set -e
here=$(cd "$(dirname "$0")" && pwd)
"$here/scripts/ensure-packages.sh"
"$here/scripts/build.sh" "$here/build"
cd "$here/build"
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j"$(nproc)" "$@"
