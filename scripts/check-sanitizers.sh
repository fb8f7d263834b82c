#!/usr/bin/env bash
# Builds the whole product and its tests with AddressSanitizer + UndefinedBehaviorSanitizer in a
# build tree of its own and runs the whole test suite there. Run it before resolving an issue
# that touches the data layer; it takes a full second build, so CI leaves it to this script.
# Usage: scripts/check-sanitizers.sh [ctest arguments]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${SANITIZER_BUILD_DIR:-$root/build-asan}
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"

"$root/scripts/setup.sh"
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
        -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" \
        -DCMAKE_MODULE_LINKER_FLAGS="-fsanitize=address,undefined"
fi
cmake --build "$build"

export QT_QPA_PLATFORM=offscreen
# Qt and fontconfig keep caches for the life of the process; only leaks of our own count.
# Chromium inside Qt WebEngine frees objects of its own with a sized delete ASan takes for a
# mismatch; the programs that show the map page could not run with that check.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=0:new_delete_type_mismatch=0
export LSAN_OPTIONS=suppressions=$root/scripts/lsan-suppressions.txt:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j2 --timeout 900 "$@"
