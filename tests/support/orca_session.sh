# Runs the Orca screen reader headless beside a program and reads back what it speaks, so
# that a test can press keys and check what a blind learner hears. Sourced by a test script:
#
#   . tests/support/orca_session.sh
#   orca_missing && exit 77           # names what is not installed
#   orca_start PROGRAM || exit 1      # returns once Orca has read the program's first focus
#   orca_keys 2 key Return            # xdotool's arguments; Orca's speech of the next 2 s
#   orca_alt 1 o                      # Alt+O, pressed as a person presses it
#   echo "$orca_said"                 # what Orca spoke after the last of these
#
# Everything is private to a fresh state folder and ends with the calling script: an invisible
# X display (Xvfb) with the openbox window manager, a D-Bus session bus with the accessibility
# bus (AT-SPI), speech-dispatcher with the espeak-ng voice whose sound goes to libao's null
# driver (no sound card is needed), Orca with its default settings, and the program with Qt's
# accessibility switched on. What Orca speaks is read from its debug log, which a copy of
# Orca's launcher writes line by line. No display, sound card or desktop session is needed.
# Each line of orca_said is one utterance, "+0.42 text" with the seconds since the keys were
# sent; a line break inside an utterance shows as " <NL> ".

orca_packages="orca at-spi2-core speech-dispatcher speech-dispatcher-espeak-ng xvfb openbox xdotool"

orca_launcher_path() {
    local path
    for path in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
        [ -x "$path" ] && { echo "$path"; return 0; }
    done
    return 1
}

# True, with the list on stderr, when something the session needs is not installed.
orca_missing() {
    local missing=() tool
    for tool in orca Xvfb openbox xdotool dbus-daemon speech-dispatcher python3; do
        command -v "$tool" >/dev/null || missing+=("$tool")
    done
    orca_launcher_path >/dev/null || missing+=(at-spi-bus-launcher)
    compgen -G "/usr/lib/*speech-dispatcher-modules/sd_espeak-ng" >/dev/null ||
        compgen -G "/usr/lib/*/speech-dispatcher-modules/sd_espeak-ng" >/dev/null ||
        missing+=(sd_espeak-ng)
    [ ${#missing[@]} -eq 0 ] && return 1
    echo "not installed: ${missing[*]} (Debian packages: $orca_packages)" >&2
    return 0
}

# spawn NAME COMMAND...: in a process group of its own, output to NAME.log in the state folder.
orca_spawn() {
    local name=$1
    shift
    setsid "$@" </dev/null >>"$orca_state/$name.log" 2>&1 &
    orca_groups+=("$!")
}

# Ends every process group that orca_spawn started, the program's first.
orca_stop() {
    local group i
    for group in "${orca_groups[@]}"; do
        kill -TERM -- "-$group" 2>/dev/null
        for i in $(seq 20); do kill -0 -- "-$group" 2>/dev/null || break; sleep 0.1; done
        kill -KILL -- "-$group" 2>/dev/null
    done
    orca_groups=()
    [ -n "${ORCA_KEEP_STATE:-}" ] || rm -rf "$orca_state"
}

# orca_wait SECONDS COMMAND...: until COMMAND succeeds.
orca_wait() {
    local until=$(($(date +%s) + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        [ "$(date +%s)" -ge "$until" ] && return 1
        sleep 0.2
    done
}

# What Orca spoke after byte OFFSET of its log: MODE "since" waits WAIT s, longer while speech
# goes on; MODE "first" waits up to WAIT s for speech and then for 1.5 s of quiet.
# python3 - MODE LOG OFFSET WAIT T0
read -r -d '' orca_reader <<'EOF'
import re, sys, time
mode, log, offset, wait, t0 = sys.argv[1], sys.argv[2], int(sys.argv[3]), float(sys.argv[4]), float(sys.argv[5])
spoken = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*)$")
# the text ends in Orca's voice settings: ' {...} or '[{...}] or ' voice=name{...}
ending = re.compile(r"^(.*)'(?: voice=\S+)?\s?(\{.*\}|\[.*\])\s*$", re.S)
indent = " " * 18

def utterances():
    with open(log, "rb") as f:
        f.seek(offset)
        data = f.read()
    lines = data[: data.rfind(b"\n") + 1].decode("utf-8", "replace").split("\n")
    found, i = [], 0
    while i < len(lines):
        m = spoken.match(lines[i])
        i += 1
        if not m:
            continue
        parts = [m.group(4)]
        end = ending.match(parts[0])
        while not end and i < len(lines) and lines[i].startswith(indent):
            parts.append(lines[i][len(indent):])
            i += 1
            end = ending.match("\n".join(parts))
        text = end.group(1) if end else "\n".join(parts)
        at = int(m.group(1)) * 3600 + int(m.group(2)) * 60 + float(m.group(3))
        found.append((at, text.replace("\n", " <NL> ")))
    return found

if mode == "since":
    time.sleep(wait)
    said, limit = utterances(), time.time() + wait
    while time.time() < limit:
        time.sleep(0.4)
        more = utterances()
        if len(more) == len(said):
            break
        said = more
else:
    limit, said = time.time() + wait, []
    while not said and time.time() < limit:
        time.sleep(0.25)
        said = utterances()
    quiet = time.time()
    while said and time.time() < limit and time.time() - quiet < 1.5:
        time.sleep(0.25)
        more = utterances()
        if len(more) != len(said):
            said, quiet = more, time.time()
for at, text in said:
    print("%+.2f %s" % ((at - t0 + 43200) % 86400 - 43200, text))
EOF

orca_now() { date +%H:%M:%S.%N | awk -F: '{ printf "%.3f", $1 * 3600 + $2 * 60 + $3 }'; }
orca_log_size() { stat -c %s "$orca_state/orca.out"; }

# orca_start PROGRAM ARGS...: the whole set-up, then PROGRAM, and what Orca said of it. Not in
# a subshell: the set-up ends with the calling shell.
orca_start() {
    [ "$BASH_SUBSHELL" -eq 0 ] || { echo "orca_start: not in a subshell" >&2; return 1; }
    orca_state=$(mktemp -d "${TMPDIR:-/tmp}/zelto-orca.XXXXXX") || return 1
    orca_groups=()
    trap orca_stop EXIT
    trap 'exit 1' HUP INT TERM
    local home=$orca_state/home socket=$orca_state/run/speechd.sock
    mkdir -p "$home/.config/speech-dispatcher" "$orca_state/run" "$orca_state/speechd"
    chmod 700 "$orca_state/run"
    printf 'default_driver=null\nquiet\n' >"$home/.libao"
    cat >"$home/.config/speech-dispatcher/speechd.conf" <<EOF
LogDir "$orca_state/speechd"
AudioOutputMethod "libao"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
DefaultLanguage "en"
Timeout 0
EOF
    # Orca's launcher, writing its debug log line by line, under a name of its own and without
    # its one-Orca-a-user check, so that it neither blocks nor is blocked by a desktop's Orca.
    sed -e "s/open(args.debug_file, 'w')/open(args.debug_file, 'w', buffering=1)/" \
        -e "s/setProcessName('orca')/setProcessName('orca-test')/" \
        -e "s/^\( *\)if otherOrcas():/\1if False:/" "$(command -v orca)" >"$orca_state/orca"
    chmod +x "$orca_state/orca"

    export HOME=$home XDG_RUNTIME_DIR=$orca_state/run XDG_CONFIG_HOME=$home/.config \
        XDG_DATA_HOME=$home/.local/share XDG_CACHE_HOME=$home/.cache \
        SPEECHD_ADDRESS=unix_socket:$socket LANG=C.UTF-8 QT_QPA_PLATFORM=xcb \
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
    unset WAYLAND_DISPLAY AT_SPI_BUS_ADDRESS XAUTHORITY SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS

    orca_spawn xvfb Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset \
        3>"$orca_state/display"
    orca_wait 30 grep -q '[0-9]' "$orca_state/display" || { echo "no X display" >&2; return 1; }
    export DISPLAY=:$(tr -dc '0-9' <"$orca_state/display")
    orca_spawn dbus dbus-daemon --session --nofork --print-address=1
    orca_wait 20 grep -q '^unix:' "$orca_state/dbus.log" || { echo "no D-Bus bus" >&2; return 1; }
    DBUS_SESSION_BUS_ADDRESS=$(grep -m1 '^unix:' "$orca_state/dbus.log")
    export DBUS_SESSION_BUS_ADDRESS
    orca_spawn openbox openbox --sm-disable
    orca_wait 20 xdotool get_num_desktops || { echo "no window manager" >&2; return 1; }
    orca_spawn atspi "$(orca_launcher_path)" --launch-immediately
    orca_wait 30 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress || { echo "no accessibility bus" >&2; return 1; }
    orca_spawn speechd speech-dispatcher --run-single --timeout 0 \
        --communication-method unix_socket --socket-path "$socket"
    orca_wait 30 test -S "$socket" || { echo "no speech-dispatcher" >&2; return 1; }

    : >"$orca_state/orca.out"
    orca_spawn orca "$orca_state/orca" --debug-file="$orca_state/orca.out"
    orca_said=$(python3 -c "$orca_reader" first "$orca_state/orca.out" 0 60 0)
    [ -n "$orca_said" ] ||
        { echo "Orca said nothing" >&2; tail -5 "$orca_state/orca.log" >&2; return 1; }
    local offset t0
    offset=$(orca_log_size)
    t0=$(orca_now)
    # The program's group is ended first, while its display and buses are still there.
    setsid "$@" </dev/null >>"$orca_state/program.log" 2>&1 &
    orca_groups=("$!" "${orca_groups[@]}")
    orca_said=$(python3 -c "$orca_reader" first "$orca_state/orca.out" "$offset" 60 "$t0")
}

# orca_keys WAIT XDOTOOL-ARGS...: what Orca spoke within WAIT s after the keys (longer while
# it goes on speaking).
orca_keys() {
    local wait=$1 offset t0
    shift
    offset=$(orca_log_size)
    t0=$(orca_now)
    xdotool "$@"
    orca_said=$(python3 -c "$orca_reader" since "$orca_state/orca.out" "$offset" "$wait" "$t0")
}

# orca_alt WAIT KEY: Alt+KEY with a person's pace, slow enough for a menu to open under Orca.
orca_alt() {
    orca_keys "$1" keydown --delay 100 alt key --delay 100 "$2" keyup alt
}
