#!/usr/bin/env bash
# One set-up for run.sh and test.sh: installs the Debian packages the build needs (only when
# one is missing), configures the build tree once and builds. Safe to call again and again.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}

packages=(
    cmake ninja-build g++ ccache pkg-config clang-format clang libclang-rt-14-dev
    qt6-base-dev qt6-qpa-plugins libgl-dev qt6-webengine-dev
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

# The map page's script libraries come from npm; a machine whose Node.js came from elsewhere keeps it.
command -v npm >/dev/null 2>&1 || missing+=(nodejs npm)

if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

# Leaflet, its marker clusters and the China boundaries of the map page, at the versions the lock
# file pins, into resources/map/node_modules (ignored by git). Installed again only when the lock
# file changed since the last install.
map_page="$root/resources/map"
lock_stamp="$map_page/node_modules/.installed-lock"
if ! cmp -s "$map_page/package-lock.json" "$lock_stamp"; then
    echo "setup: installing the map page's npm packages"
    (cd "$map_page" && npm ci --no-audit --no-fund --loglevel=error)
    cp "$map_page/package-lock.json" "$lock_stamp"
fi

if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build"
