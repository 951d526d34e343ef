#!/usr/bin/env bash
# Builds the benchmarks if needed (in build-bench/, or $BUILD_DIR, with ZELTO_BENCHMARKS on: a
# default build leaves them out) and prints their tables: start-up against a bare Qt window
# under Xvfb, then the learner's operations offscreen, then speech with a speech-dispatcher of
# its own.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-bench}

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELTO_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j"${JOBS:-2}" --target bench-startup bench-operations \
    bench-speech >/dev/null

# Qt's remarks about the headless displays are no news here.
quiet() { grep -v -E 'XDG_RUNTIME_DIR|This plugin does not support' >&2 || true; }

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | xargs)"
echo
status=0
if command -v xvfb-run >/dev/null; then
    xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bin/bench-startup" 2> >(quiet) || status=1
else
    "$build/bin/bench-startup" 2> >(quiet) || status=1
fi
echo
QT_QPA_PLATFORM=offscreen "$build/bin/bench-operations" 2> >(quiet) || status=1
echo
QT_QPA_PLATFORM=offscreen "$build/bin/bench-speech" 2> >(quiet) || status=1
exit $status
