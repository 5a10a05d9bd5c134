#!/bin/sh
# Cross-builds the Windows program and its test suites with mingw-w64, runs the suites under
# Wine through ctest, and lets the built quorvex.exe synchronise two folders unattended,
# checked with rsync: the 64-bit program, then the 32-bit one (under wine32, which needs the
# i386 architecture). Wine gets a fresh prefix of its own, created without a display.
# The first argument picks one pass (64 or 32; default both); further arguments go to cmake
# (for example -DCMAKE_CXX_COMPILER_LAUNCHER=ccache).
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
started=$(date +%s)
passes="64 32"
case "$1" in
64 | 32)
    passes=$1
    shift
    ;;
esac
"$here/scripts/ensure-packages.sh" g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix \
    googletest wine wine64

check_name=check-windows
. "$here/scripts/wine-scratch.sh"

# Without wine32 through a fault of the mirror, the 32-bit pass is only built, and says so.
run32=yes
case " $passes " in
*" 32 "*)
    status=0
    ensure_wine32 || status=$?
    case $status in
    0) ;;
    2)
        run32=""
        echo "check-windows: the mirror gave no i386 package list, so wine32 cannot be" \
            "installed: the 32-bit program and suites are built, their runs under Wine SKIPPED"
        ;;
    *) fail "wine32 could not be installed for the 32-bit pass" ;;
    esac
    ;;
esac

# A wineserver that stays up between the programs spares every test the prefix's start,
# which takes seconds; it must come before the prefix, and the cleanup ends it.
mkdir -p "$WINEPREFIX"
wineserver -p
xvfb-run -a wineboot -i >/dev/null 2>&1 || fail "Wine could not create its prefix"
echo "Wine prefix ready after $(($(date +%s) - started)) s"

# Builds one program and its suites, runs them and then the program itself.
check_pass() {
    bits=$1
    shift
    if [ "$bits" = 32 ] && [ -z "$run32" ]; then
        # Found at test time, the suites need no Wine to be built.
        "$here/scripts/build-windows.sh" 32 -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST "$@"
        echo "32-bit: built after $(($(date +%s) - started)) s; not run (no wine32)"
        return
    fi
    # The test discovery runs the suites under Wine while building, so the prefix comes first.
    "$here/scripts/build-windows.sh" "$bits" "$@"
    build="$here/build-win$bits"
    echo "$bits-bit: built after $(($(date +%s) - started)) s"
    (cd "$build" && ctest -j2 --output-on-failure) || fail "$bits-bit: tests failed under Wine"
    echo "$bits-bit: tests passed under Wine after $(($(date +%s) - started)) s"
    check_runs "$bits"
}

# One unattended run on names with umlauts and blanks, one outside Windows-1252, a nested
# folder and a large file; then the same from a batch file.
check_runs() {
    bits=$1
    build="$here/build-win$bits"
    source="$scratch/$bits/Quelle mit Leerzeichen"
    target="$scratch/$bits/Ziel"
    logs="$scratch/$bits/Logs"
    mkdir -p "$source/Ordner über/tief" "$source/leer" "$target" "$logs"
    printf "eins\n" >"$source/a.txt"
    printf "zwei\n" >"$source/Ordner über/Bericht Größe.txt"
    printf "drei\n" >"$source/Ωmega.txt"
    head -c 300000 /dev/urandom >"$source/Ordner über/tief/daten.bin"
    touch -d "2020-02-29 12:34:56" "$source/a.txt"
    status=0
    wine "$build/quorvex.exe" -s "$(winepath -w "$source")" -d "$(winepath -w "$target")" \
        -start -nowin -logdir "$(winepath -w "$logs")" >"$scratch/$bits/run.out" 2>&1 || status=$?
    [ "$status" -eq 0 ] || fail "$bits-bit: the unattended run ended with status $status:
$(cat "$scratch/$bits/run.out")"
    differences=$(rsync -anicO "$source/" "$target/")
    [ -z "$differences" ] || fail "$bits-bit: the target differs from the source:
$differences"
    [ -f "$logs/Quorvex.log" ] || fail "$bits-bit: no run log in $logs"
    # The run log is Windows-1252; a character it lacks is named by its code point.
    LC_ALL=C grep -qF "$(printf 'Ordner \374ber\\Bericht Gr\366\337e.txt')" "$logs/Quorvex.log" ||
        fail "$bits-bit: the run log does not name 'Bericht Größe.txt' in Windows-1252"
    LC_ALL=C grep -qF '[U+03A9]mega.txt' "$logs/Quorvex.log" ||
        fail "$bits-bit: the run log does not mark the Ω of 'Ωmega.txt'"
    echo "$bits-bit: quorvex.exe synchronised two folders under Wine"

    # The same run from a batch file in the form the export writes (CR LF, quoted folders that
    # end in a backslash), started by Wine's cmd.
    batch_target="$scratch/$bits/Ziel der Batchdatei"
    mkdir -p "$batch_target"
    printf '@REM Batch-File\r\n\r\n@"%s" -s "%s\\" -d "%s\\" -start -nowin -logdir "%s"\r\n' \
        "$(winepath -w "$build/quorvex.exe")" "$(winepath -w "$source")" \
        "$(winepath -w "$batch_target")" "$(winepath -w "$logs")" >"$scratch/$bits/Quorvex.bat"
    status=0
    (cd "$scratch/$bits" && wine cmd /c Quorvex.bat) >"$scratch/$bits/batch.out" 2>&1 || status=$?
    [ "$status" -eq 0 ] || fail "$bits-bit: the batch file's run ended with status $status:
$(cat "$scratch/$bits/batch.out")"
    differences=$(rsync -anicO "$source/" "$batch_target/")
    [ -z "$differences" ] || fail "$bits-bit: the batch file's target differs from the source:
$differences"
    echo "$bits-bit: a batch file run by Wine's cmd synchronised two folders"
}

for bits in $passes; do
    check_pass "$bits" "$@"
done
echo "The Windows check took $(($(date +%s) - started)) s"
