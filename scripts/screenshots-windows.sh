#!/bin/sh
# Photographs the Windows program's main window with its five pages under Wine into
# docs/screenshots/windows-*.png, from a virtual display with twm drawing the title bar, and
# the main window once more on a screen at 150 %.
# Needs the window build (scripts/build-windows.sh --window 64), Wine, twm, xdotool and
# ImageMagick's "import".
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build-win64-window}
[ -f "$build/quorvex.exe" ] || {
    echo "screenshots-windows: no $build/quorvex.exe; build it with --window first" >&2
    exit 1
}
scratch=$(mktemp -d "${TMPDIR:-/tmp}/quorvex-windows-shots-XXXXXX")
export WINEPREFIX="$scratch/wine" WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null || true; rm -rf "$scratch"' EXIT
xvfb-run -a wineboot -i >/dev/null 2>&1

# The program keeps its settings beside itself: a few sample jobs, in the file's own form.
mkdir -p "$scratch/program"
cp "$build/quorvex.exe" "$scratch/program/"
job() {
    printf '[Job #%s]\r\nTitle = %s\r\nActive = %s\r\nCreated = %s\r\nLastRun = 0\r\n' \
        "$1" "$2" "$3" "$4"
    printf 'Source = %s\r\nTarget = %s\r\nExtentions = \r\nSubDirs = 1\r\n' "$5" "$6"
    printf 'CreateTargetSubDirs = 0\r\nDeleteFiles = 0\r\nFileCheckSum = 0\r\n'
}
{
    printf '[Config]\r\nLogging = 1\r\nUpdateCheck = 0\r\n'
    job 1 Dokumente 2 1741944600 'C:\Users\Anna\Dokumente\' 'E:\Sicherung\Dokumente\'
    job 2 'Fotos 2024' 0 1742031000 'C:\Users\Anna\Bilder\2024\' 'E:\Sicherung\Fotos\'
    job 3 Projekte 2 1742117400 'D:\Projekte\' '\\nas\backup\Projekte\'
} >"$scratch/program/Quorvex.ini"

printf '%s\n' 'RandomPlacement' 'UsePPosition "on"' 'NoGrabServer' 'BorderWidth 1' \
    >"$scratch/twmrc"
mkdir -p "$here/docs/screenshots"
# Starts the program on a virtual display of the given size, photographs its main window as
# windows-<name>.png, then clicks the given tabs ("x:name", x in the frame) and photographs
# each page.
photograph() {
    xvfb-run -a -s "-screen 0 $1x24" sh -c '
        twm -f "$2" >/dev/null 2>&1 &
        sleep 1
        (cd "$1/program" && wine quorvex.exe >/dev/null 2>&1 &)
        window=""
        for _ in $(seq 60); do
            window=$(xdotool search --onlyvisible --name "^Quorvex v" 2>/dev/null | head -1)
            [ -n "$window" ] && break
            sleep 1
        done
        [ -n "$window" ] || exit 1
        sleep 2
        # The frame twm draws around the window, title bar included.
        frame=$(xwininfo -id "$window" -tree |
            sed -n "s/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p")
        shoot() {
            eval "$(xdotool getwindowgeometry --shell "$frame")"
            import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$4/windows-$1.png"
        }
        shoot "$4" "$@"
        for tab in $5; do
            eval "$(xdotool getwindowgeometry --shell "$frame")"
            xdotool mousemove $((X + ${tab%%:*})) $((Y + 108)) click 1
            sleep 1.5
            shoot "${tab#*:}" "$@"
        done
        wineserver -k' sh "$scratch" "$scratch/twmrc" "$here/docs/screenshots" "$2" "$3"
}
# The tabs lie at fixed places in the frame.
photograph 1024x768 1-jobs "99:2-optionen 188:3-expertenmodus 274:4-statistik 344:5-info"
# The same window on a screen at 150 % (144 DPI), its layout scaled.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
wineserver -w
photograph 1280x1024 6-dpi150 ""
ls "$here"/docs/screenshots/windows-*.png
