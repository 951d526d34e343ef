#!/usr/bin/env bash
# Sets up a Debian 12 machine for zelto, builds it, then starts it or runs its tests.
#   scripts/setup.sh run    install what is missing, build, start the program
#   scripts/setup.sh test   install what is missing, build, run every test through ctest,
#                           then again in build-asan/ with AddressSanitizer and UBSan
# Safe to run again: installed packages and an existing build are reused.
set -euo pipefail

mode=${1:-run}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
jobs=${JOBS:-$(nproc 2>/dev/null || echo 2)}

packages=(build-essential cmake qt6-base-dev qt6-svg-dev libgl-dev fonts-liberation
          xvfb xauth x11-utils desktop-file-utils appstream devscripts)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
        "${missing[@]}"
}

build_tree() {
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build "$build" -j"$jobs"
}

case "$mode" in
run)
    install_missing
    build_tree
    exec "$build/bin/zelto"
    ;;
test)
    install_missing
    build_tree
    ctest --test-dir "$build" --output-on-failure -j"$jobs"
    # The whole suite once more under AddressSanitizer and UndefinedBehaviorSanitizer.
    cmake -S "$root" -B "$root/build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELTO_SANITIZE=ON
    cmake --build "$root/build-asan" -j"$jobs"
    ctest --test-dir "$root/build-asan" --output-on-failure -j"$jobs"
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
