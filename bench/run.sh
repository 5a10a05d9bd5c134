#!/bin/sh
# Measures Quorvex against rsync -a and cp -a on the same machine in the same run and
# prints the median wall time of each for four workloads, then the peak memory of a
# Quorvex run over 100,000 files. Usage: bench/run.sh [repetitions, default 5]
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

# time_runs tool source target prepare: prepare runs untimed before every repetition
time_runs() {
    tool=$1 source=$2 target=$3 prepare=$4
    times=""
    i=0
    while [ $i -lt "$repeat" ]; do
        i=$((i + 1))
        $prepare "$source" "$target" "$i"
        # Writeback of earlier steps must not fall into the next tool's time.
        sync
        start=$(now)
        run_tool "$tool" "$source" "$target"
        end=$(now)
        times="$times $(awk "BEGIN { print $end - $start }")"
    done
    # shellcheck disable=SC2086
    median $times
}

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

for tool in quorvex rsync cp; do
    eval "first_$tool=\$(time_runs $tool $small $work/first-$tool empty_target)"
    rm -rf "$work/first-$tool"
    rm -rf "$work/same-$tool"
    eval "same_$tool=\$(time_runs $tool $small $work/same-$tool synced_target)"
done
report "(a) first copy, 10,000 small files" "$first_quorvex" "$first_rsync" "$first_cp"
report "(b) re-run, nothing changed" "$same_quorvex" "$same_rsync" "$same_cp"

for tool in quorvex rsync cp; do
    rm -rf "$work/same-$tool"
    eval "changed_$tool=\$(time_runs $tool $small $work/same-$tool change_one_percent)"
    rm -rf "$work/same-$tool"
done
report "(c) re-run after 1% changed" "$changed_quorvex" "$changed_rsync" "$changed_cp"
rm -rf "$small"

large="$work/large"
mkdir -p "$large"
head -c $((512 * 1024 * 1024)) /dev/urandom >"$large/big.bin"
for tool in quorvex rsync cp; do
    eval "large_$tool=\$(time_runs $tool $large $work/large-$tool empty_target)"
    rm -rf "$work/large-$tool"
done
report "(d) one 512 MiB file" "$large_quorvex" "$large_rsync" "$large_cp"
rm -rf "$large"

huge="$work/huge"
mkdir -p "$huge"
make_tree "$huge" 100000 1000 1 1
mkdir -p "$work/huge-target"
first=$(/usr/bin/time -f %M "$quorvex" -s "$huge" -d "$work/huge-target" -logdir "$work/logs" \
    -start -nowin 2>&1 >/dev/null | tail -1)
again=$(/usr/bin/time -f %M "$quorvex" -s "$huge" -d "$work/huge-target" -logdir "$work/logs" \
    -start -nowin 2>&1 >/dev/null | tail -1)
printf 'peak memory, 100,000 files: first copy %s KiB, re-run %s KiB\n' "$first" "$again"
