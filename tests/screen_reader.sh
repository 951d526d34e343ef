#!/usr/bin/env bash
# The real Orca screen reader beside the program, as a blind learner uses it: after Start and
# each answer, Orca must speak within a second what the learner needs next. Skipped (77) where
# Orca and its companions are not installed; needs no display and no sound card.
set -u
program=$1
. "$(dirname "$0")/support/orca_session.sh"
orca_missing && exit 77

failures=0
# expect STEP TEXT WITHIN [SAID]: TEXT is part of an utterance spoken within WITHIN s of the
# keys, in what Orca said after the last keys (or in SAID).
expect() {
    local said=${4-$orca_said}
    if awk -v text="$2" -v within="$3" 'index($0, text) && $1 + 0 <= within { found = 1 }
                                        END { exit !found }' <<<"$said"; then
        echo "ok: $1"
    else
        echo "FAIL: $1: no \"$2\" within $3 s; Orca said:" >&2
        sed 's/^/    /' <<<"$said" >&2
        failures=$((failures + 1))
    fi
}

orca_start "$program" || exit 1
expect "start-up" "Start push button" 60

orca_keys 2 key Return
expect "Start: the focus reads the first segment" "Segment 1 of 12: korán kel fel" 1

# The segment as it stands, typed on an English keyboard; then Enter closes the message.
orca_keys 0.5 type --delay 20 "kor'n kel fel"
orca_keys 2 key Return
expect "a wrong answer brings its message" "It's wrong." 1
orca_keys 2 key Return
expect "the answer box is read whole" "korán kel fel." 1

# Options > Tutor, from the next press of a button: the explanation in its line, no message.
orca_alt 1 o
orca_keys 1 key u
orca_keys 2 key Return
expect "the tutor's explanation" "Not yet. That is the segment as it stands." 1

orca_keys 0.5 key ctrl+a BackSpace
orca_keys 0.5 type --delay 20 "kor'n akar felkelni"
orca_keys 2 key Return
expect "a right answer: the verdict" "Right!" 1
expect "a right answer: the next segment" "Segment 2 of 12: pontosan érkezik az irodába" 1

[ "$failures" -eq 0 ]
