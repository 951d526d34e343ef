#!/usr/bin/env bash
# On an 800×600 screen with a window manager, both windows lie within the screen, frames
# included, and the reference window's Close button is on the screen, also at the largest
# text size.
set -u
program=$1
if [ -z "${INSIDE_XVFB:-}" ]; then
    INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 800x600x24" "$0" "$@"
fi
command -v openbox >/dev/null || { echo "openbox is not installed" >&2; exit 1; }
openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
"$program" 2>/dev/null &
pid=$!
trap 'kill $pid $wm 2>/dev/null; wait 2>/dev/null' EXIT

window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1; }
# Prints "left top right bottom" of a window with its frame.
frame() {
    local id=$1 x y w h l r t b
    x=$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {print $4}')
    y=$(xwininfo -id "$id" | awk '/Absolute upper-left Y/ {print $4}')
    w=$(xwininfo -id "$id" | awk '/Width/ {print $2}')
    h=$(xwininfo -id "$id" | awk '/Height/ {print $2}')
    read -r l r t b < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    echo $((x - l)) $((y - t)) $((x + w + r)) $((y + h + b))
}
inside() {
    local name=$1 id=$2 left top right bottom
    read -r left top right bottom < <(frame "$id")
    echo "$name: frame $left,$top to $right,$bottom"
    [ "$left" -ge 0 ] && [ "$top" -ge 0 ] && [ "$right" -le 800 ] && [ "$bottom" -le 600 ]
}

for _ in $(seq 50); do
    main=$(window 'Grammar exercises')
    [ -n "$main" ] && xprop -id "$main" _NET_FRAME_EXTENTS | grep -q '=' && break
    sleep 0.1
done
[ -n "$main" ] || { echo "no exercise window" >&2; exit 1; }
sleep 0.5
inside "exercise window" "$main" || { echo "the exercise window leaves the screen" >&2; exit 1; }

# Help > (Modal) auxiliaries and word order, from the keyboard.
xdotool windowactivate --sync "$main" key alt+h
sleep 0.3
xdotool key a
for _ in $(seq 50); do
    reference=$(window '^ZELTO   -  \(Modal\)')
    [ -n "$reference" ] && break
    sleep 0.1
done
[ -n "$reference" ] || { echo "no reference window" >&2; exit 1; }
sleep 0.5
inside "reference window" "$reference" || { echo "the reference window leaves the screen" >&2; exit 1; }

# At the largest text size the reference window fits itself to the screen, frame included.
xdotool windowactivate --sync "$reference"
for _ in 1 2 3 4 5 6; do xdotool key ctrl+plus; sleep 0.1; done
sleep 0.5
inside "reference window at 250 %" "$reference" ||
    { echo "the zoomed reference window leaves the screen" >&2; exit 1; }
echo "both windows fit 800x600"
