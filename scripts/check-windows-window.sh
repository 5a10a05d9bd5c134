#!/bin/sh
# Builds wxWidgets for 64-bit Windows through its cache (cold on a fresh machine), cross-builds
# the Windows program with its window and the window suite, runs the suite under Wine on a
# virtual display, then starts the built quorvex.exe and waits for its main window, at 96 DPI
# and at 144 DPI, where the window must be half as large again and its layout tests pass.
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
