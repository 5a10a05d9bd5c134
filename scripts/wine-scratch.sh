# Sourced by the Windows checks, with check_name set: a scratch folder holding a fresh Wine
# prefix of the check's own, removed with the prefix's server on exit, and fail(), which
# names the check.
scratch=$(mktemp -d "${TMPDIR:-/tmp}/quorvex-$check_name-XXXXXX")
export WINEPREFIX="$scratch/wine" WINEDEBUG=-all WINEARCH=win64
# No Mono or Gecko installer dialogs on the prefix's first start: the programs need neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
    echo "$check_name: $*" >&2
    exit 1
}

# 32-bit programs run in the 64-bit prefix once wine32 is there; Debian has it only for i386.
# Returns 2 when the mirror gave no i386 package list (caught mid-sync): the i386 libraries
# must match the installed amd64 ones, so wine32 cannot be installed until the mirror heals.
ensure_wine32() {
    dpkg -s wine32:i386 >/dev/null 2>&1 && return 0
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    echo "Installing wine32 for the i386 architecture"
    $sudo dpkg --add-architecture i386 || return 1
    # A mirror caught mid-sync fails one list; the install then decides with what there is.
    $sudo apt-get update -qq 2>"$scratch/apt-update.err" ||
        echo "wine32: some package lists could not be updated" >&2
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq wine32:i386 && return 0
    cat "$scratch/apt-update.err" >&2
    grep -q "binary-i386/Packages" "$scratch/apt-update.err" && return 2
    return 1
}
