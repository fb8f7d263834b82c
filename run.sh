#!/usr/bin/env bash
# Sets up, builds and opens the customer archive on the demo company database.
# Arguments are passed to the program (for example --screenshot list.png, --lang en-US).
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/setup.sh"
exec "${BUILD_DIR:-$root/build}/src/app/customer-archive" "$@"
