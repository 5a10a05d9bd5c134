#!/bin/sh
# Builds the Debian package from the build folder, installs it with apt, runs the installed
# program from PATH as an ordinary user (a synchronisation without window, checked with rsync,
# and its window under a virtual display), validates the menu entry, the AppStream data, the
# manual page, the completion and the package itself, and removes the package again.
# Needs root (or sudo) for apt.
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
started=$(date +%s)
"$here/scripts/ensure-packages.sh"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
"$here/scripts/build.sh" "$here/build"

packages="$here/build/packages"
rm -rf "$packages"
(cd "$here/build" && cpack -B "$packages" >/dev/null)
deb=$(ls "$packages"/quorvex_2.5_*.deb)
echo "Built $(basename "$deb")"

scratch=$(mktemp -d "${TMPDIR:-/tmp}/quorvex-package-XXXXXX")
cleanup() {
    rm -rf "$scratch"
    if dpkg -s quorvex >/dev/null 2>&1; then
        DEBIAN_FRONTEND=noninteractive $sudo apt-get purge -y -qq quorvex >/dev/null
    fi
}
trap cleanup EXIT
fail() {
    echo "check-package: $*" >&2
    exit 1
}

# apt reads the file as the unprivileged _apt user, so it gets a copy in a folder it may read.
chmod 0755 "$scratch"
cp "$deb" "$scratch/"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --reinstall \
    "$scratch/$(basename "$deb")" >/dev/null
[ "$(command -v quorvex)" = /usr/bin/quorvex ] || fail "quorvex is not on PATH from /usr/bin"
for file in /usr/bin/quorvex-password /usr/lib/quorvex/quorvex-window.so \
    /usr/share/applications/quorvex.desktop \
    /usr/share/metainfo/invalid.quorvex.Quorvex.metainfo.xml \
    /usr/share/man/man1/quorvex.1.gz /usr/share/man/man1/quorvex-password.1.gz \
    /usr/share/doc/quorvex/copyright \
    "$(pkg-config --variable=completionsdir bash-completion)/quorvex"; do
    [ -f "$file" ] || fail "the package lacks $file"
done
for size in 32 48 128 256; do
    icon=/usr/share/icons/hicolor/${size}x$size/apps/quorvex.png
    file "$icon" | grep -q "PNG image data, $size x $size" || fail "no $size px icon: $icon"
done

# An ordinary user with a home of its own: the program folder is not writable, so the INI
# file and the log go to ~/.config/quorvex/.
user=nobody
group=$(id -gn "$user")
home="$scratch/home"
mkdir -p "$home"
chown "$user:$group" "$home"
as_user() {
    $sudo setpriv --reuid="$user" --regid="$group" --clear-groups \
        env -i PATH=/usr/bin:/bin HOME="$home" "$@"
}
as_user sh -c '
    set -e
    cd "$HOME"
    mkdir -p "source/Ordner mit Leerzeichen/tief" source/leer target
    printf "eins\n" >source/a.txt
    printf "zwei\n" >"source/Ordner mit Leerzeichen/Bericht über 2.5.txt"
    head -c 300000 /dev/urandom >"source/Ordner mit Leerzeichen/tief/daten.bin"
    chmod 0640 source/a.txt
    touch -d "2020-02-29 12:34:56" source/a.txt
    quorvex -s "$HOME/source" -d "$HOME/target" -start -nowin' ||
    fail "the installed program's unattended run failed"
differences=$(rsync -anicO "$home/source/" "$home/target/")
[ -z "$differences" ] || fail "the target differs from the source:
$differences"
[ -f "$home/.config/quorvex/Quorvex.log" ] || fail "no run log in ~/.config/quorvex/"
[ ! -e /usr/bin/Quorvex.log ] || fail "a run log was written beside the program"
echo "Installed program synchronised as $user; run log in ~/.config/quorvex/"

# The window: found by its title, so the module was loaded from /usr/lib/quorvex; its class
# is the one the menu entry promises. Closed like a window manager closes it, the session
# saves its INI file in ~/.config/quorvex/.
wmclass=$(sed -n 's/^StartupWMClass=//p' /usr/share/applications/quorvex.desktop)
cp "$here/scripts/close-window.py" "$scratch/"
as_user xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    timeout 90 quorvex >"$HOME/window.out" 2>&1 &
    program=$!
    window=$(timeout 30 xdotool search --sync --name "Quorvex v2.5" | head -n 1)
    class=$(xprop -id "$window" WM_CLASS 2>/dev/null)
    [ -n "$window" ] && python3 "$2" "$window"
    status=0
    wait "$program" || status=$?
    [ -n "$window" ] || { cat "$HOME/window.out"; echo "no window"; exit 1; }
    case "$class" in *"\"$1\""*) ;; *) echo "window class $class, menu entry $1"; exit 1 ;; esac
    [ "$status" -eq 0 ] || { cat "$HOME/window.out"; echo "exit status $status"; exit 1; }
' sh "$wmclass" "$scratch/close-window.py" || fail "the installed program's window failed"
[ -f "$home/.config/quorvex/Quorvex.ini" ] ||
    fail "closing the window saved no ~/.config/quorvex/Quorvex.ini"
echo "Installed program opened its window (class $wmclass), saved ~/.config/quorvex/Quorvex.ini"

desktop-file-validate /usr/share/applications/quorvex.desktop
appstreamcli validate --no-net /usr/share/metainfo/invalid.quorvex.Quorvex.metainfo.xml >/dev/null
for page in quorvex quorvex-password; do
    lint=$(mandoc -T lint -W warning "/usr/share/man/man1/$page.1.gz" 2>&1) || true
    [ -z "$lint" ] || fail "the manual page $page(1) has faults:
$lint"
done
bash -c '. "$1" && complete -p quorvex >/dev/null' sh \
    "$(pkg-config --variable=completionsdir bash-completion)/quorvex" ||
    fail "the completion does not register for quorvex"
echo "Menu entry, AppStream data, manual page and completion are valid"

# Errors fail the check; warnings are listed.
lintian --fail-on error --tag-display-limit 0 "$deb"

DEBIAN_FRONTEND=noninteractive $sudo apt-get purge -y -qq quorvex >/dev/null
if [ -e /usr/bin/quorvex ] || [ -e /usr/lib/quorvex ]; then
    fail "the purge left files behind"
fi
echo "Package removed; the check took $(($(date +%s) - started)) s"
