#!/usr/bin/env bash
# Makes the README's pictures of the tutor from the real program: starts it under Xvfb with
# openbox, works it from the keyboard with xdotool as a learner would (fog, te), and takes the
# exercise window with ImageMagick's import.
#   scripts/screenshots.sh [build folder]     (build/ by default; it needs zelto and
#                                              content-table: cmake --build build --target
#                                              zelto content-table)
# The pictures go to docs/. Needs xvfb, openbox, xdotool and imagemagick.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
if [ -z "${INSIDE_XVFB:-}" ]; then
    INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build"
fi
for tool in openbox xdotool import; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 1; }
done
mkdir -p "$root/docs"

# The keys of fog with te, from the content table.
mapfile -t keys < <("$build/bin/content-table" | awk -F'\t' '$1 == "keys" && $2 == 2 && $3 == 2 { print $5 }')
[ ${#keys[@]} -eq 12 ] || { echo "no keys from content-table" >&2; exit 1; }

openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
LANG=C.UTF-8 "$build/bin/zelto" 2>/dev/null &
pid=$!
trap 'kill $pid $wm 2>/dev/null; wait 2>/dev/null' EXIT

main=
for _ in $(seq 100); do
    main=$(xdotool search --onlyvisible --name 'Grammar exercises' 2>/dev/null | tail -1 || true)
    [ -n "$main" ] && break
    sleep 0.1
done
[ -n "$main" ] || { echo "no exercise window" >&2; exit 1; }
xdotool windowactivate --sync "$main"
sleep 0.5

keys() { xdotool key --delay 60 "$@"; sleep 0.3; }
# Types an answer on an English keyboard, the accented letters by the keys that the answer box
# turns into them (as the Char legend shows), and presses Enter.
answer() {
    local typed
    typed=$(printf '%s' "$1" | sed -e "s/á/'/g; s/é/;/g; s/í/\`/g; s/ó/=/g; s/ö/0/g; s/ő/[/g" \
        -e 's/ú/]/g; s/ü/-/g; s/ű/\\/g; s/Á/"/g; s/É/:/g; s/Í/~/g; s/Ó/+/g; s/Ö/)/g' \
        -e 's/Ő/{/g; s/Ú/}/g; s/Ü/_/g; s/Ű/|/g')
    xdotool type --delay 20 -- "$typed"
    keys Return
}
shot() { sleep 0.5; import -window "$main" "$root/docs/$1"; echo "docs/$1"; }

keys alt+o u                      # Options > Tutor
keys shift+Tab shift+Tab Down     # Auxiliaries: fog
keys Tab Up                       # Persons: te
keys alt+s                        # Start
answer "korán fogunk felkelni"    # the form for mi
shot tutor-explanation.png
keys ctrl+a
answer "koran fogunk felkelni"
keys alt+l                        # Solution: the last wrong answer against the key
shot tutor-comparison.png
keys ctrl+a BackSpace
answer "${keys[0]}"
keys alt+i                        # a hint on segment 2
for i in $(seq 1 11); do
    answer "${keys[$i]}"
done
shot tutor-practise.png
