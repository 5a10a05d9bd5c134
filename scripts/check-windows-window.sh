#!/bin/sh
# Builds wxWidgets for 64-bit Windows through its cache (cold on a fresh machine), cross-builds
# the Windows program with its window and the window suite, runs the suite under Wine on a
# virtual display, then starts the built quorvex.exe and waits for its main window.
# Arguments go to cmake (for example -DCMAKE_CXX_COMPILER_LAUNCHER=ccache).
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
started=$(date +%s)
"$here/scripts/ensure-packages.sh" g++-mingw-w64-x86-64-posix googletest wine wine64 dpkg-dev \
    xdotool imagemagick

check_name=check-windows-window
. "$here/scripts/wine-scratch.sh"
seconds() { echo $(($(date +%s) - $1)); }

step=$(date +%s)
"$here/scripts/build-wx-windows.sh" 64 >/dev/null || fail "wxWidgets did not build"
echo "wxWidgets ready after $(seconds "$step") s"

xvfb-run -a wineboot -i >/dev/null 2>&1 || fail "Wine could not create its prefix"

# The test discovery runs the suite under Wine while building, so the prefix comes first.
step=$(date +%s)
QUORVEX_TARGETS="quorvex gui_tests" "$here/scripts/build-windows.sh" --window 64 "$@" ||
    fail "the program with its window did not build"
build="$here/build-win64-window"
echo "Built in $(seconds "$step") s"

step=$(date +%s)
# The prefix's services start before the tests, under a lasting server: started by the
# first test instead, they would keep its output pipe open and ctest would wait forever.
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    wineserver -p
    wineboot </dev/null >/dev/null 2>&1
    status=0
    (cd "$1" && ctest -L gui --output-on-failure) || status=$?
    wineserver -k
    wineserver -w
    exit $status' sh "$build" ||
    fail "the window suite failed under Wine"
echo "The window suite passed under Wine in $(seconds "$step") s"

# The program file alone in a folder of its own, where it keeps its settings: its main
# window must appear.
mkdir -p "$scratch/program"
cp "$build/quorvex.exe" "$scratch/program/"
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    wine "$1/quorvex.exe" >"$1/window.out" 2>&1 &
    for _ in $(seq 60); do
        if xdotool search --name "^Quorvex v" >/dev/null 2>&1; then
            exit 0
        fi
        sleep 1
    done
    exit 1' sh "$scratch/program" || fail "quorvex.exe showed no window under Wine:
$(cat "$scratch/program/window.out")"
echo "quorvex.exe opened its window under Wine"
echo "The Windows window check took $(seconds "$started") s"
