#!/usr/bin/env bash
# Started without any display, the real program says so in one line and ends with status 2.
set -u
program=$1
expected='the program needs a graphical session'

out=$(timeout 20 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>&1)
status=$?
printf '%s\n' "$out"
if [ "$status" -ne 2 ]; then
    echo "expected exit status 2, got $status" >&2
    exit 1
fi
if [ "$(printf '%s\n' "$out" | wc -l)" -ne 1 ] || ! grep -qF "$expected" <<<"$out"; then
    echo "expected one line saying '$expected'" >&2
    exit 1
fi
echo "no display: status 2 and the line"
