#!/bin/sh
# Builds every suite with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-sanitize and runs them; any report fails its test. Extra arguments go to ctest.
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/ensure-packages.sh"
"$here/scripts/build.sh" "$here/build-sanitize" -DQUORVEX_SANITIZE=ON
cd "$here/build-sanitize"
checks=abort_on_error=1:detect_stack_use_after_return=1
export LSAN_OPTIONS="suppressions=$here/scripts/leak-suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
screen="-screen 0 1280x1024x24"
# Everything but the window suite, with the leak checker.
env ASAN_OPTIONS="$checks:detect_leaks=1" xvfb-run -a -s "$screen" \
    ctest --output-on-failure -j"$(nproc)" -LE gui "$@"
# The window suite without it: GTK, fontconfig and D-Bus keep memory until the process
# ends, which the leak checker would report as leaks of ours.
env ASAN_OPTIONS="$checks:detect_leaks=0" xvfb-run -a -s "$screen" \
    ctest --output-on-failure -j"$(nproc)" -L gui "$@"
