#!/bin/sh
# Cross-builds the 64-bit Windows program and its test suites with mingw-w64, runs the suites
# under Wine through ctest, and lets the built quorvex.exe synchronise two folders unattended,
# checked with rsync. Wine gets a fresh prefix of its own, created without a display.
# Arguments go to cmake (for example -DCMAKE_CXX_COMPILER_LAUNCHER=ccache).
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
started=$(date +%s)
"$here/scripts/ensure-packages.sh" g++-mingw-w64-x86-64-posix googletest wine wine64

scratch=$(mktemp -d "${TMPDIR:-/tmp}/quorvex-windows-XXXXXX")
export WINEPREFIX="$scratch/wine" WINEDEBUG=-all WINEARCH=win64
# No Mono or Gecko installer dialogs on the prefix's first start: the programs need neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
    echo "check-windows: $*" >&2
    exit 1
}

xvfb-run -a wineboot -i >/dev/null 2>&1 || fail "Wine could not create its prefix"
echo "Wine prefix ready after $(($(date +%s) - started)) s"

# The test discovery runs the suites under Wine while building, so the prefix comes first.
"$here/scripts/build-windows.sh" 64 "$@"
build="$here/build-win64"
echo "Built after $(($(date +%s) - started)) s"
(cd "$build" && ctest -j2 --output-on-failure) || fail "tests failed under Wine"
echo "Tests passed under Wine after $(($(date +%s) - started)) s"

# One unattended run on names with umlauts and blanks, one outside Windows-1252, a nested
# folder and a large file.
source="$scratch/Quelle mit Leerzeichen"
target="$scratch/Ziel"
logs="$scratch/Logs"
mkdir -p "$source/Ordner über/tief" "$source/leer" "$target" "$logs"
printf "eins\n" >"$source/a.txt"
printf "zwei\n" >"$source/Ordner über/Bericht Größe.txt"
printf "drei\n" >"$source/Ωmega.txt"
head -c 300000 /dev/urandom >"$source/Ordner über/tief/daten.bin"
touch -d "2020-02-29 12:34:56" "$source/a.txt"
status=0
wine "$build/quorvex.exe" -s "$(winepath -w "$source")" -d "$(winepath -w "$target")" \
    -start -nowin -logdir "$(winepath -w "$logs")" >"$scratch/run.out" 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "the unattended run ended with status $status:
$(cat "$scratch/run.out")"
differences=$(rsync -anicO "$source/" "$target/")
[ -z "$differences" ] || fail "the target differs from the source:
$differences"
[ -f "$logs/Quorvex.log" ] || fail "no run log in $logs"
# The run log is Windows-1252; a character it lacks is named by its code point.
LC_ALL=C grep -qF "$(printf 'Ordner \374ber\\Bericht Gr\366\337e.txt')" "$logs/Quorvex.log" ||
    fail "the run log does not name 'Bericht Größe.txt' in Windows-1252"
LC_ALL=C grep -qF '[U+03A9]mega.txt' "$logs/Quorvex.log" ||
    fail "the run log does not mark the Ω of 'Ωmega.txt'"
echo "quorvex.exe synchronised two folders under Wine"

# The same run from a batch file in the form the export writes (CR LF, quoted folders that
# end in a backslash), started by Wine's cmd.
batch_target="$scratch/Ziel der Batchdatei"
mkdir -p "$batch_target"
printf '@REM Batch-File\r\n\r\n@"%s" -s "%s\\" -d "%s\\" -start -nowin -logdir "%s"\r\n' \
    "$(winepath -w "$build/quorvex.exe")" "$(winepath -w "$source")" \
    "$(winepath -w "$batch_target")" "$(winepath -w "$logs")" >"$scratch/Quorvex.bat"
status=0
(cd "$scratch" && wine cmd /c Quorvex.bat) >"$scratch/batch.out" 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "the batch file's run ended with status $status:
$(cat "$scratch/batch.out")"
differences=$(rsync -anicO "$source/" "$batch_target/")
[ -z "$differences" ] || fail "the batch file's target differs from the source:
$differences"
echo "A batch file run by Wine's cmd synchronised two folders"
echo "The Windows check took $(($(date +%s) - started)) s"
