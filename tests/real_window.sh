#!/usr/bin/env bash
# Starts the real program in a real X server and waits for its window to appear.
set -u
program=$1
title='ZELTO   -  Grammar exercises:  (Modal) auxiliaries and word order'

if [ -z "${INSIDE_XVFB:-}" ]; then
    INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

"$program" &
pid=$!
found=0
for _ in $(seq 100); do
    if xwininfo -root -tree 2>/dev/null | grep -qF "\"$title\""; then
        found=1
        break
    fi
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "the program ended before its window appeared" >&2
        break
    fi
    sleep 0.1
done
# The window is mapped and has a size.
if [ "$found" = 1 ]; then
    xwininfo -name "$title" | grep -E 'Map State|Width|Height'
    xwininfo -name "$title" | grep -q 'IsViewable' || found=0
    # The program icon is set just after the first paint.
    icon() { xprop -name "$title" _NET_WM_ICON 2>/dev/null | grep -q -m1 'CARDINAL) ='; }
    for _ in $(seq 50); do icon && break; sleep 0.1; done
    icon || { echo "the window has no icon" >&2; found=0; }
fi
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
if [ "$found" = 1 ]; then
    echo "window seen: $title"
    exit 0
fi
echo "no window titled '$title'" >&2
exit 1
