#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite (widget tests on the offscreen platform).
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${BUILD_DIR:-$root/build}" --output-on-failure -j2 "$@"
