#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Ended by a signal (logout, shutdown), the window keeps the session's set-up as quitting does;
# when it cannot, the next start says why.
source "$(dirname "$0")/lib.sh"
in_own_x_server "$@"

program=$1
data=$(mktemp -d)
config=$(mktemp -d)
export XDG_DATA_HOME=$data XDG_CONFIG_HOME=$config
kept="$data/Vokarelo/last-session.vks"

# Waits up to 20 s for the program to end, and sets status to its exit status.
wait_for_end() {
  wait_until 20 "the program to end" process_gone "$program_pid"
  wait "$program_pid" && status=0 || status=$?
}

start_program "$program"
trap 'kill $program_pid 2>/dev/null || true; rm -rf "$workdir" "$data" "$config"' EXIT
wait_for_size "$window" 889x854
click_named "$window" Check1
kill -TERM "$program_pid"
wait_for_end
[ "$status" = 143 ] || fail "ended with status $status, not 143 (128 + SIGTERM)"
[ "$(tail -n 1 "$kept")" = Check1 ] || fail "the session was not kept: $(cat "$kept" 2>&1)"

# A file where the data folder should be (the superuser, as CI runs, may write anywhere else): the
# reason waits in the settings for the next start.
rm -rf "$data/Vokarelo"
: >"$data/Vokarelo"
start_program "$program"
wait_for_size "$window" 889x854
click_named "$window" Check1
kill -HUP "$program_pid"
wait_for_end
[ "$status" = 129 ] || fail "ended with status $status, not 129 (128 + SIGHUP)"
[ -f "$data/Vokarelo" ] || fail "the file in the data folder's place was replaced"
grep -q '^notKept=' "$config/Vokarelo/Vokarelo.conf" ||
  fail "no reason recorded: $(cat "$config/Vokarelo/Vokarelo.conf" 2>&1)"
start_program "$program"
box=$(wait_for_message_box)
xdotool windowfocus --sync "$box" key Return
grep -q 'notKept' "$config/Vokarelo/Vokarelo.conf" && fail "the reason is told again at the next start"

# The last session reopened, its run asking whether its export may replace a picture: a signal then
# closes the question (nothing replaced), stops the run and ends the program, without asking about
# the session file and without shortening it.
kill -TERM "$program_pid"
wait_for_end
rm -rf "$data/Vokarelo"
mkdir -p "$data/Vokarelo"
printf 'Text3 = 1\nImage2\nCheck3\n' >"$kept"
cp "$kept" "$data/session-before"
workdir=$(mktemp -d)
cp "$program" "$workdir/vokarelo"
printf precious >"$workdir/1.jpg"
"$workdir/vokarelo" "$kept" >"$workdir/log" 2>&1 &
program_pid=$!
box=$(wait_for_message_box)
kill -TERM "$program_pid"
wait_for_end
[ "$status" = 143 ] || fail "ended in a run's question with status $status, not 143"
[ "$(cat "$workdir/1.jpg")" = precious ] || fail "the picture was replaced"
cmp -s "$kept" "$data/session-before" || fail "the session was changed: $(cat "$kept")"
echo "1 passed, 0 failed"
