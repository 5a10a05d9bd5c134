#!/bin/sh
# Builds wxWidgets for Windows through its cache (cold on a fresh machine), cross-builds the
# Windows program with its window and the window suite, runs the suite under Wine on a
# virtual display, then starts the built quorvex.exe and waits for its main window. The first
# argument picks the target: 64 (the default, as in CI) or 32 (checked before a release).
# Further arguments go to cmake (for example -DCMAKE_CXX_COMPILER_LAUNCHER=ccache).
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
started=$(date +%s)
bits=64
case "$1" in
64 | 32)
    bits=$1
    shift
    ;;
esac
compiler=g++-mingw-w64-x86-64-posix
[ "$bits" = 32 ] && compiler=g++-mingw-w64-i686-posix
"$here/scripts/ensure-packages.sh" $compiler googletest wine wine64 dpkg-dev xdotool \
    imagemagick trayer

check_name=check-windows-window
. "$here/scripts/wine-scratch.sh"
if [ "$bits" = 32 ]; then
    ensure_wine32 || fail "wine32 could not be installed for the 32-bit program"
fi
seconds() { echo $(($(date +%s) - $1)); }

step=$(date +%s)
"$here/scripts/build-wx-windows.sh" "$bits" >/dev/null || fail "wxWidgets did not build"
echo "wxWidgets ready after $(seconds "$step") s"

xvfb-run -a wineboot -i >/dev/null 2>&1 || fail "Wine could not create its prefix"

# The test discovery runs the suite under Wine while building, so the prefix comes first.
step=$(date +%s)
QUORVEX_TARGETS="quorvex gui_tests" "$here/scripts/build-windows.sh" --window "$bits" "$@" ||
    fail "the program with its window did not build"
build="$here/build-win$bits-window"
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

# The tray icon: with -systray a run hides the window and shows the icon, which docks into
# the display's notification area (a small tray host stands in for the desktop's); a left
# click on it brings the window back while the run goes on. Enough files that the run lasts.
step=$(date +%s)
mkdir -p "$scratch/tray/source" "$scratch/tray/target"
seq 5000 | split -l 1 -a 4 - "$scratch/tray/source/f"
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    windows() { echo "Z:$1" | tr / "\\\\"; }
    shown() { xdotool search --onlyvisible --name "^Quorvex v" >/dev/null 2>&1; }
    trayer --edge top --align left --widthtype request --height 40 --SetDockType false \
        --expand false >/dev/null 2>&1 &
    wine "$1/quorvex.exe" -s "$(windows "$2/source")" -d "$(windows "$2/target")" -start \
        -systray -exit -nostats >"$2/tray.out" 2>&1 &
    icon=""
    for _ in $(seq 120); do
        sleep 0.5
        panel=$(xdotool search --name "^panel\$" 2>/dev/null | head -1)
        icon=$(xwininfo -tree -id "$panel" 2>/dev/null | sed -n "s/^ *\(0x[0-9a-f]*\) .*explorer.exe.*/\1/p")
        if [ -n "$icon" ] && ! shown && [ -n "$(ls "$2/target")" ]; then
            break
        fi
        icon=""
    done
    [ -n "$icon" ] || { echo "no tray icon docked while the window was hidden"; exit 1; }
    xdotool mousemove --window "$icon" 8 8 click 1
    for _ in $(seq 40); do
        sleep 0.5
        shown && exit 0
    done
    echo "a left click on the tray icon did not show the window"
    exit 1' sh "$scratch/program" "$scratch/tray" >"$scratch/tray.log" 2>&1 ||
    fail "$(cat "$scratch/tray.log")"
wineserver -k 2>/dev/null || true
echo "The tray icon docked and brought the window back under Wine in $(seconds "$step") s"
echo "The Windows window check took $(seconds "$started") s"
