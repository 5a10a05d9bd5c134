#!/bin/sh
# Builds wxWidgets for Windows through its cache (cold on a fresh machine), cross-builds the
# Windows program with its window and the window suite, runs the suite under Wine on a
# virtual display, then starts the built quorvex.exe: its main window must appear, at 96 DPI
# and at 144 DPI (half as large again, its layout tests passing), and its tray icon must dock
# and answer a click. The first argument picks the target: 64 (the default, as in CI) or 32
# (checked before a release). Further arguments go to cmake (for example
# -DCMAKE_CXX_COMPILER_LAUNCHER=ccache).
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
# window must appear, and on a screen at 150 % (144 DPI) half as large again.
mkdir -p "$scratch/program"
cp "$build/quorvex.exe" "$scratch/program/"
# Prints the width and height of the main window once it shows, then ends the program.
main_window_size() {
    xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
        wine "$1/quorvex.exe" >"$1/window.out" 2>&1 &
        for _ in $(seq 60); do
            window=$(xdotool search --name "^Quorvex v" 2>/dev/null | head -n 1)
            if [ -n "$window" ]; then
                sleep 1
                eval "$(xdotool getwindowgeometry --shell "$window")"
                echo "$WIDTH $HEIGHT"
                wineserver -k
                exit 0
            fi
            sleep 1
        done
        exit 1' sh "$scratch/program"
}
size96=$(main_window_size) || fail "quorvex.exe showed no window under Wine:
$(cat "$scratch/program/window.out")"
echo "quorvex.exe opened its window under Wine, ${size96% *}x${size96#* } pixels at 96 DPI"

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

# Wine hands the screen's DPI to every program alike; Windows only to one whose manifest
# asks for it, and stretches the others' windows blurred.
grep -aq "<dpiAware[^>]*>true</dpiAware>" "$build/quorvex.exe" ||
    fail "quorvex.exe declares no DPI awareness in its manifest"
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1 ||
    fail "Wine did not take the screen's DPI"
wineserver -k 2>/dev/null || true
wineserver -w
size144=$(main_window_size) || fail "quorvex.exe showed no window at 144 DPI under Wine:
$(cat "$scratch/program/window.out")"
# Half as large again, give or take a few pixels of rounding.
about_half_again() {
    [ $(($2 * 2 - $1 * 3)) -le 8 ] && [ $(($1 * 3 - $2 * 2)) -le 8 ]
}
about_half_again "${size96% *}" "${size144% *}" &&
    about_half_again "${size96#* }" "${size144#* }" ||
    fail "at 144 DPI the main window is ${size144% *}x${size144#* } pixels, not about 1.5 times \
its ${size96% *}x${size96#* } at 96 DPI: the layout does not scale with the screen"
echo "At 144 DPI the main window is ${size144% *}x${size144#* } pixels"
# The layout inside it scales as well: the layout tests once more, at 144 DPI.
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    wine "$1/tests/gui_tests.exe" --gtest_filter="MainWindowLayoutTest.*" >"$2/layout.out" 2>&1
    status=$?
    wineserver -k
    exit $status' sh "$build" "$scratch" ||
    fail "the main window's layout does not scale at 144 DPI:
$(grep -A 6 Failure "$scratch/layout.out")"
echo "The main window's layout tests passed at 144 DPI"
echo "The Windows window check took $(seconds "$started") s"
