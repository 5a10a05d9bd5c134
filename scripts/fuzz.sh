#!/bin/sh
# Builds the fuzz targets of the command line and the configuration file with clang
# (AddressSanitizer and UndefinedBehaviorSanitizer on) and runs each for the given number
# of seconds (default 60), starting from the corpus in fuzz/corpus. New inputs go to a
# scratch folder; an input that breaks something is kept in build-fuzz/findings.
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
"$here/scripts/ensure-packages.sh" clang-14 libclang-rt-14-dev
CC=clang-14 CXX=clang++-14 cmake -S "$here" -B "$here/build-fuzz" -G Ninja -DQUORVEX_FUZZ=ON \
    -DQUORVEX_SANITIZE=ON -DQUORVEX_TESTS=OFF >/dev/null
cmake --build "$here/build-fuzz" --target CommandLineFuzz ConfigFileFuzz
findings="$here/build-fuzz/findings"
mkdir -p "$findings"
for pair in CommandLine:command-line ConfigFile:config-file; do
    target=${pair%%:*}Fuzz
    inputs=${pair#*:}
    scratch=$(mktemp -d "${TMPDIR:-/tmp}/quorvex-fuzz-XXXXXX")
    output="$here/build-fuzz/$target.log"
    status=0
    "$here/build-fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -dict="$here/fuzz/$inputs.dict" -artifact_prefix="$findings/$target-" \
        "$scratch" "$here/fuzz/corpus/$inputs" >"$output" 2>&1 || status=$?
    rm -rf "$scratch"
    if [ "$status" -ne 0 ]; then
        tail -n 60 "$output"
        echo "$target: an input broke the program (kept in $findings)"
        exit 1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$output")
    echo "$target: $runs inputs in $seconds s, nothing broke"
done
