#!/bin/sh
# Installs the Debian packages that building, testing and packaging Quorvex need, when
# missing. Further packages for a particular check may be named as arguments.
set -e
PACKAGES="cmake ninja-build g++ pkg-config libwxgtk3.2-dev libjpeg-dev zlib1g-dev libssl-dev
libcurl4-openssl-dev libgtest-dev xvfb xauth fonts-liberation trayer xdotool x11-utils
rsync dosfstools fusefat fuse libmount-dev libblkid-dev imagemagick gzip
dpkg-dev file desktop-file-utils appstream lintian mandoc bash-completion python3 $*"
missing=""
for package in $PACKAGES; do
    dpkg -s "$package" >/dev/null 2>&1 || missing="$missing $package"
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    # A mirror caught mid-sync fails one list; the install then decides with what there is.
    $sudo apt-get update -qq || echo "ensure-packages: some package lists could not be updated" >&2
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing
fi
