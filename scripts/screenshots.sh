#!/bin/sh
# Photographs the main window's pages, the job editor, the protected drives window, the pause
# window and the statistics window into docs/screenshots under a virtual display. Needs
# ImageMagick's "import"; when twm is installed it draws the title bars, and when trayer and
# xdotool are, the tray icon with its tooltip is photographed as well.
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/build.sh" "$here/build" >/dev/null
mkdir -p "$here/docs/screenshots"
settings=$(mktemp)
trap 'rm -f "$settings"' EXIT
printf '%s\n' 'RandomPlacement' 'UsePPosition "on"' 'NoGrabServer' 'DecorateTransients' \
    'BorderWidth 1' 'NoTitle { "panel" }' >"$settings"
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    if command -v trayer >/dev/null; then
        trayer --edge top --align left --widthtype request --height 40 --expand false \
            --SetDockType false >/dev/null 2>&1 &
    fi
    if command -v twm >/dev/null; then
        twm -f "$2" >/dev/null 2>&1 &
        sleep 1
    fi
    "$1/build/tools/quorvex_screenshots" "$1/docs/screenshots"' sh "$here" "$settings"
