#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer + UndefinedBehaviorSanitizer) in their
# own build tree and runs each for a bounded time on its seed corpus under fuzz/corpus/. New
# inputs the run finds go to a scratch folder, so the repository's corpus changes only by hand.
# Any crash, leak, sanitizer report or time-out fails the run and leaves the input in the build
# tree. Usage: scripts/run-fuzzers.sh [seconds per target, default 60]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
seconds=${1:-60}

if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=Debug
fi
cmake --build "$build"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for target in tsql xml filter record csv json; do
    scratch=$(mktemp -d)
    echo "fuzz_$target: ${seconds}s"
    (cd "$build" && "./fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len=65536 -print_final_stats=1 "$scratch" "$root/fuzz/corpus/$target")
    rm -rf "$scratch"
done
