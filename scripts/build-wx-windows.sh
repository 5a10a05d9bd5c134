#!/bin/sh
# Cross-builds static wxMSW and libjpeg-turbo with mingw-w64 from Debian's source packages
# and installs them into a cache outside the checkout, one folder per version and target.
# A folder already there is reused. The first argument picks the target (64 or 32;
# default 64). Prints the wx folder last, whose bin/wx-config the Windows build uses.
# The system's apt setup is left untouched: lists and downloads live in a scratch folder.
set -e
bits=${1:-64}
case $bits in
64) triplet=x86_64-w64-mingw32 ;;
32) triplet=i686-w64-mingw32 ;;
*)
    echo "usage: $0 [64|32]" >&2
    exit 2
    ;;
esac
cache=${QUORVEX_WX_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvex}
started=$(date +%s)
jobs=$(nproc)

scratch=$(mktemp -d "${TMPDIR:-/tmp}/quorvex-wx-XXXXXX")
trap 'rm -rf "$scratch"' EXIT
say() { echo "build-wx-windows: $*" >&2; }

# One deb-src line for this machine's Debian suite, read from its sources.
suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
mirror=http://deb.debian.org/debian
mkdir -p "$scratch/lists/partial" "$scratch/archives/partial" "$scratch/src"
echo "deb-src $mirror $suite main" >"$scratch/sources.list"
apt_private() {
    tool=$1
    shift
    "$tool" -q -o APT::Sandbox::User="$(id -un)" -o Dir::Etc::SourceList="$scratch/sources.list" \
        -o Dir::Etc::SourceParts=/dev/null -o Dir::State::Lists="$scratch/lists" \
        -o Dir::Cache::Archives="$scratch/archives" -o Debug::NoLocking=1 "$@"
}
source_version() {
    apt_private apt-cache showsrc "$1" 2>/dev/null | sed -n 's/^Version: //p' | head -1
}
apt_private apt-get update >/dev/null
wx_version=$(source_version wxwidgets3.2)
jpeg_version=$(source_version libjpeg-turbo)
[ -n "$wx_version" ] && [ -n "$jpeg_version" ] || {
    say "the $suite sources list names no wxwidgets3.2 or libjpeg-turbo"
    exit 1
}
key() { echo "$1" | tr -c 'A-Za-z0-9.+\n' '_'; }
wx_prefix="$cache/wx-$(key "$wx_version")-$triplet"
jpeg_prefix="$cache/libjpeg-turbo-$(key "$jpeg_version")-$triplet"

unpack() {
    (cd "$scratch/src" && apt_private apt-get source --download-only "$1" >/dev/null &&
        dpkg-source -x "./$1"_*.dsc "$1" >"$scratch/unpack-$1.log" 2>&1)
}
# Installs into a staging folder first and moves the result into the cache at the end, so
# an interrupted build leaves no half folder that later runs would take for a finished one.
move_into_cache() {
    rm -rf "$2"
    mkdir -p "$(dirname "$2")"
    mv "$1$2" "$2"
}

if [ ! -f "$jpeg_prefix/lib/libjpeg.a" ]; then
    say "building libjpeg-turbo $jpeg_version for $triplet"
    unpack libjpeg-turbo "$jpeg_version"
    cmake -S "$scratch/src/libjpeg-turbo" -B "$scratch/jpeg-build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$(cd "$(dirname "$0")/.." && pwd)/cmake/toolchains/$triplet.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$jpeg_prefix" \
        -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF \
        -DWITH_JAVA=OFF -Wno-dev >/dev/null
    cmake --build "$scratch/jpeg-build" -j "$jobs" >/dev/null
    DESTDIR="$scratch/jpeg-stage" cmake --install "$scratch/jpeg-build" >/dev/null
    move_into_cache "$scratch/jpeg-stage" "$jpeg_prefix"
fi

if [ ! -x "$wx_prefix/bin/wx-config" ]; then
    say "building wxWidgets $wx_version for $triplet"
    unpack wxwidgets3.2 "$wx_version"
    mkdir -p "$scratch/wx-build"
    # Only base and core: every library and optional part the program does not use is off,
    # and the bundled image and compression libraries too (the program decodes its JPEGs
    # with libjpeg directly).
    (cd "$scratch/wx-build" && "$scratch/src/wxwidgets3.2/configure" \
        --host="$triplet" --build="$(gcc -dumpmachine)" \
        CC="$triplet-gcc-posix" CXX="$triplet-g++-posix" \
        --prefix="$wx_prefix" --with-msw --disable-shared --disable-debug_flag \
        --without-libpng --without-libjpeg --without-libtiff --without-zlib --without-expat \
        --without-regex --without-liblzma --without-opengl --disable-svg \
        --disable-html --disable-xrc --disable-aui --disable-richtext --disable-stc \
        --disable-propgrid --disable-ribbon --disable-webview --disable-mediactrl \
        --disable-sound --disable-sockets --disable-ipv6 --disable-protocols \
        --disable-url --disable-fs_inet --disable-webrequest --disable-debugreport \
        --disable-help --disable-htmlhelp --disable-printarch \
        --disable-postscript --disable-richtooltip --disable-grid \
        --disable-animatectrl \
        --disable-addremovectrl --disable-webviewie --disable-webviewedge \
        --disable-gif --disable-pcx --disable-iff --disable-pnm --disable-tga \
        --disable-mdi --disable-mdidoc --disable-docview --disable-splash \
        --disable-wizarddlg --disable-joystick --disable-fs_archive --disable-fs_zip \
        --disable-zipstream --disable-tarstream --disable-notifmsg \
        >"$scratch/configure.log" 2>&1) || {
        tail -40 "$scratch/configure.log" >&2
        exit 1
    }
    make -C "$scratch/wx-build" -j "$jobs" >"$scratch/make.log" 2>&1 || {
        tail -40 "$scratch/make.log" >&2
        exit 1
    }
    make -C "$scratch/wx-build" install DESTDIR="$scratch/wx-stage" >/dev/null
    move_into_cache "$scratch/wx-stage" "$wx_prefix"
    say "built in $(($(date +%s) - started)) s"
fi
echo "$jpeg_prefix"
echo "$wx_prefix"
