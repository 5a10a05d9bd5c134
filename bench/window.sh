#!/bin/sh
# Measures what the window costs a run: the same first copy of many small files, once in
# the window (on a virtual display) and once with -nowin, side by side in each repetition,
# and prints the median wall time of each and the median of the repetitions' ratios. A
# repetition's two runs follow each other, so its ratio is the least touched by a machine
# whose speed drifts over the minutes of the bench.
# Usage: [TMPDIR=folder] bench/window.sh [files, default 20000] [repetitions, default 9]
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
files=${1:-20000}
repeat=${2:-9}

for tool in Xvfb perl; do
    command -v $tool >/dev/null 2>&1 || { echo "needs $tool (scripts/ensure-packages.sh)" >&2; exit 1; }
done

"$here/scripts/build.sh" "$here/build" >/dev/null
quorvex="$here/build/quorvex"

work=$(mktemp -d "${TMPDIR:-/tmp}/quorvex-window-bench-XXXXXX")
xvfb=""
cleanup() {
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/logs" "$work/source" "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
# A private home and runtime folder: the runs read no one's settings, and no other
# Quorvex of this user counts against the instance limit.
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"

# One display for all window runs, so that no run pays for starting it.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
read -r number <"$work/display"
display=":$number"

# files, 100 per folder, 1 to 4 KiB of random content each
perl -e '
    my ($root, $files) = @ARGV;
    srand(42);
    for my $i (0 .. $files - 1) {
        my $folder = sprintf("%s/d%03d", $root, $i / 100);
        mkdir $folder unless -d $folder;
        open(my $out, ">", sprintf("%s/f%05d.dat", $folder, $i)) or die;
        print $out pack("L*", map { int(rand(4294967295)) } 1 .. 256 * (1 + int(rand(4))));
        close $out;
    }' "$work/source" "$files"

now() { date +%s.%N; }

median() {
    printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { m = int((NR + 1) / 2); printf "%.3f", v[m] }'
}

# mode target: the window run ends by itself after the run (-exit, no statistics window)
run() {
    case $1 in
        window) DISPLAY=$display "$quorvex" -s "$work/source" -d "$2" -logdir "$work/logs" \
                    -start -exit -nostats >/dev/null 2>&1 ;;
        nowin) "$quorvex" -s "$work/source" -d "$2" -logdir "$work/logs" -start -nowin \
                   >/dev/null 2>&1 ;;
    esac
}

w="" n="" r=""
i=0
while [ $i -lt "$repeat" ]; do
    i=$((i + 1))
    # Who goes first alternates, so that neither always meets the other's writeback.
    order="window nowin"
    [ $((i % 2)) -eq 0 ] && order="nowin window"
    for mode in $order; do
        target="$work/$mode-$i"
        mkdir -p "$target"
        sync
        start=$(now)
        run "$mode" "$target"
        end=$(now)
        took=$(awk "BEGIN { print $end - $start }")
        # Every run starts from the same file system: a tree left behind by each would
        # slow the later ones.
        rm -rf "$target"
        case $mode in
            window) w="$w $took" window=$took ;;
            nowin) n="$n $took" nowin=$took ;;
        esac
    done
    r="$r $(awk "BEGIN { print $window / $nowin }")"
done
# shellcheck disable=SC2086
wm=$(median $w)
# shellcheck disable=SC2086
nm=$(median $n)
# shellcheck disable=SC2086
ratio=$(median $r)
printf 'first copy, %s small files: window %ss   -nowin %ss   ratio %.2f\n' "$files" "$wm" "$nm" "$ratio"
