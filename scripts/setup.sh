#!/usr/bin/env bash
# One set-up for run.sh and test.sh: installs the Debian packages the build needs (only when
# one is missing), configures the build tree once and builds. Safe to call again and again.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}

packages=(
    cmake ninja-build g++ ccache pkg-config clang-format clang libclang-rt-14-dev
    qt6-base-dev qt6-qpa-plugins libgl-dev
    libpugixml-dev libsqlite3-dev sqlite3 libcurl4-openssl-dev libicu-dev libpq-dev postgresql
    nlohmann-json3-dev libcpp-httplib-dev
    libgtest-dev libgmock-dev libbenchmark-dev zlib1g-dev
    libxlsxwriter-dev libzip-dev poppler-utils python3-openpyxl
    fonts-wqy-microhei xvfb xauth
)

missing=()
while read -r name status; do
    [ "$status" = "installed" ] || missing+=("$name")
done < <(for p in "${packages[@]}"; do
    printf '%s %s\n' "$p" "$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || echo absent)"
done)

if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build"
