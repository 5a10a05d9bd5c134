#!/bin/sh
# Measures Quorvex against rsync -a and cp -a on the same machine in the same run and
# prints the median wall time of each for four workloads, then the peak memory of a
# Quorvex run over 100,000 files. Usage: [TMPDIR=folder] bench/run.sh [repetitions, default 5]
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
repeat=${1:-5}

need=""
command -v rsync >/dev/null 2>&1 || need="$need rsync"
[ -x /usr/bin/time ] || need="$need time"
command -v perl >/dev/null 2>&1 || need="$need perl"
if [ -n "$need" ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $need
fi

"$here/scripts/build.sh" "$here/build" >/dev/null
quorvex="$here/build/quorvex"

work=$(mktemp -d "${TMPDIR:-/tmp}/quorvex-bench-XXXXXX")
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
mkdir -p "$work/logs"
# The file system matters. An ext4 without a journal skips inodes freed in the last minutes
# when it allocates new ones, so a tree deleted shortly before (by anything, a test run
# too) slows every file creation in its area; how much depends on where each tool's folders
# land. TMPDIR=/dev/shm measures in memory; a journaled ext4 has no such effect.
printf 'work folder: %s (%s)\n' "$work" "$(stat -f -c %T "$work")"

# files folders minKiB maxKiB: random content, sizes spread evenly
make_tree() {
    perl -e '
        my ($root, $files, $folders, $min, $max) = @ARGV;
        srand(42);
        for my $f (0 .. $folders - 1) { mkdir sprintf("%s/d%03d", $root, $f); }
        for my $i (0 .. $files - 1) {
            my $size = 1024 * ($min + int(rand($max - $min + 1)));
            open(my $out, ">", sprintf("%s/d%03d/f%05d.dat", $root, $i % $folders, $i)) or die;
            print $out pack("L*", map { int(rand(4294967295)) } 1 .. $size / 4);
            close $out;
        }' "$@"
}

now() { date +%s.%N; }

# median of the given numbers
median() {
    printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { m = int((NR + 1) / 2); printf "%.3f", v[m] }'
}

run_tool() {  # tool source target
    case $1 in
        quorvex) "$quorvex" -s "$2" -d "$3" -logdir "$work/logs" -start -nowin >/dev/null ;;
        rsync) rsync -a "$2/" "$3/" ;;
        cp) cp -a "$2/." "$3/" ;;
    esac
}

# measure label source prepare [fresh]: each repetition runs every tool once, in turn, so
# that all three meet the same state of the machine; prepare runs untimed before every
# timed run. With "fresh", every run gets a new empty target that is deleted only after
# the last repetition, so that no run pays for the deletion of an earlier one (see the
# file system note above). Prints the medians.
measure() {
    label=$1 source=$2 prepare=$3 fresh=${4:-}
    q="" r="" c=""
    i=0
    while [ $i -lt "$repeat" ]; do
        i=$((i + 1))
        # Who goes first changes every repetition, so no tool always follows the same one.
        case $((i % 3)) in
            1) order="quorvex rsync cp" ;;
            2) order="rsync cp quorvex" ;;
            0) order="cp quorvex rsync" ;;
        esac
        for tool in $order; do
            target="$work/$tool-target${fresh:+-$i}"
            $prepare "$source" "$target" "$i"
            # Writeback of earlier steps must not fall into the next tool's time.
            sync
            start=$(now)
            run_tool "$tool" "$source" "$target"
            end=$(now)
            took=$(awk "BEGIN { print $end - $start }")
            case $tool in
                quorvex) q="$q $took" ;;
                rsync) r="$r $took" ;;
                cp) c="$c $took" ;;
            esac
        done
    done
    [ -z "$fresh" ] || rm -rf "$work"/*-target-*
    # shellcheck disable=SC2086
    report "$label" "$(median $q)" "$(median $r)" "$(median $c)"
}

new_target() { mkdir -p "$2"; }
# For the large file: one deleted inode does not matter, 7.5 GB of kept copies would.
empty_target() { rm -rf "$2"; mkdir -p "$2"; }
synced_target() { [ -d "$2" ] || { mkdir -p "$2"; run_tool rsync "$1" "$2"; }; }
change_one_percent() {
    synced_target "$1" "$2"
    perl -e '
        my ($root, $round) = @ARGV;
        for (my $i = 0; $i < 10000; $i += 100) {
            my $path = sprintf("%s/d%03d/f%05d.dat", $root, $i % 100, $i);
            open(my $out, ">>", $path) or die; print $out "changed $round\n"; close $out;
            utime(undef, time + $round * 10, $path);
        }' "$1" "$3"
}

report() {  # label quorvex rsync cp
    printf '%-34s quorvex %8ss   rsync -a %8ss   cp -a %8ss\n' "$1" "$2" "$3" "$4"
}

small="$work/small"
mkdir -p "$small"
make_tree "$small" 10000 100 1 8
measure "(a) first copy, 10,000 small files" "$small" new_target fresh
measure "(b) re-run, nothing changed" "$small" synced_target
measure "(c) re-run after 1% changed" "$small" change_one_percent
rm -rf "$small" "$work"/*-target

large="$work/large"
mkdir -p "$large"
head -c $((512 * 1024 * 1024)) /dev/urandom >"$large/big.bin"
measure "(d) one 512 MiB file" "$large" empty_target
rm -rf "$large" "$work"/*-target

huge="$work/huge"
mkdir -p "$huge"
make_tree "$huge" 100000 1000 1 1
mkdir -p "$work/huge-target"
first=$(/usr/bin/time -f %M "$quorvex" -s "$huge" -d "$work/huge-target" -logdir "$work/logs" \
    -start -nowin 2>&1 >/dev/null | tail -1)
again=$(/usr/bin/time -f %M "$quorvex" -s "$huge" -d "$work/huge-target" -logdir "$work/logs" \
    -start -nowin 2>&1 >/dev/null | tail -1)
printf 'peak memory, 100,000 files: first copy %s KiB, re-run %s KiB\n' "$first" "$again"
