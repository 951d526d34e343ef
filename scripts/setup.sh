#!/usr/bin/env bash
# Sets up a Debian 12 machine for zelto, builds it, then starts it or runs its tests.
#   scripts/setup.sh run    install what is missing, build the program alone, start it
#   scripts/setup.sh test   install what is missing, check the formatting, build everything
#                           (the benchmarks too), run every test through ctest, then again in
#                           build-asan/ with AddressSanitizer and UBSan
# Safe to run again: installed packages and an existing build are reused.
set -euo pipefail

mode=${1:-run}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
jobs=${JOBS:-$(nproc 2>/dev/null || echo 2)}

packages=(build-essential cmake qt6-base-dev qt6-svg-dev libgl-dev libxkbcommon-dev
          fonts-liberation xvfb xauth x11-utils desktop-file-utils appstream devscripts)
# Speaking the Hungarian: Qt's speech module (its header needs qt6-declarative-dev) and
# speech-dispatcher with espeak-ng's Hungarian voice, which the speech tests start too.
packages+=(qt6-speech-dev qt6-declarative-dev libqt6texttospeech6 qt6-speech-speechd-plugin
           speech-dispatcher speech-dispatcher-espeak-ng)
# The formatting check, the window manager and key sender of the small-screen and screen
# reader tests, and the screen reader test's Orca with the accessibility bus.
if [ "$mode" = test ]; then packages+=(clang-format openbox xdotool orca at-spi2-core); fi

# The program opens windows: without a display, say so before spending time on anything.
require_display() {
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "zelto needs a display (a graphical session) to start; 'bash scripts/setup.sh test' works without one." >&2
        exit 1
    fi
}

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "Missing packages: ${missing[*]}" >&2
            echo "Install them as root (or with sudo): apt-get install ${missing[*]}" >&2
            exit 1
        fi
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
        "${missing[@]}"
}

# Every C++ source (the tracked ones in a git checkout) must match .clang-format.
check_format() {
    local files=() unformatted=() f
    if command -v git >/dev/null && git -C "$root" rev-parse --git-dir >/dev/null 2>&1; then
        mapfile -t files < <(git -C "$root" ls-files '*.cpp' '*.h')
    else
        mapfile -t files < <(cd "$root" &&
            find src tests bench tools -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
    fi
    for f in "${files[@]}"; do
        [ -f "$root/$f" ] || continue
        clang-format --dry-run --Werror "$root/$f" >/dev/null 2>&1 || unformatted+=("$f")
    done
    if [ ${#unformatted[@]} -gt 0 ]; then
        echo "These files differ from clang-format with .clang-format (clang-format -i FILE):" >&2
        printf '  %s\n' "${unformatted[@]}" >&2
        exit 1
    fi
    echo "Formatting: all ${#files[@]} C++ files match .clang-format"
}

# `run` builds only the program and what it needs, not the test suites; `test` builds them
# all, and the benchmarks too, so that they keep compiling.
build_tree() {
    if [ "$mode" = run ]; then
        cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
        cmake --build "$build" -j"$jobs" --target zelto
    else
        cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELTO_BENCHMARKS=ON
        cmake --build "$build" -j"$jobs"
    fi
}

case "$mode" in
run)
    require_display
    install_missing
    build_tree
    exec "$build/bin/zelto"
    ;;
test)
    install_missing
    check_format
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
