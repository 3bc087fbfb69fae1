#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A set-up made with real clicks and typing, saved with Ctrl+S through the file dialog: the script
# mode's picture of it is the window's capture, and a fresh window that opens it with Ctrl+O, or
# from the command line, shows the same picture.
source "$(dirname "$0")/lib.sh"
in_own_x_server "$@"

program=$1
# The dialogs' remembered folder goes into a settings folder of the test's own.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
start_program "$program"
trap 'kill $program_pid 2>/dev/null || true; rm -rf "$workdir" "$XDG_CONFIG_HOME"' EXIT
wait_for_size "$window" 889x854

# The battery typed and submitted, a new number (the double click empties the field), record 2
# switched on and the window lengthened with two slow clicks.
click_named "$window" Text1
xdotool key ctrl+a type --delay 20 "57"
click_named "$window" Command2
double_click_named "$window" Text3 80
sleep 0.3
xdotool type --delay 20 "13912345678"
click_named "$window" Command6
click_named "$window" Check1
click_named "$window" Label30
sleep 0.6
click_named "$window" Label30
wait_for_size "$window" 889x1015

# Types a path into the file dialog of that title and accepts it.
answer_dialog() {
  local dialog
  dialog=$(wait_for_window "^$1\$")
  xdotool windowfocus --sync "$dialog"
  sleep 0.3
  xdotool key ctrl+a type --delay 10 "$2"
  xdotool key Return
}

setup="$workdir/made in the window.vks"
xdotool key ctrl+s
answer_dialog 保存设置 "$setup"
for _ in $(seq 1 50); do [ -s "$setup" ] && break; sleep 0.2; done
[ -s "$setup" ] || fail "Ctrl+S wrote no $setup"
head -n 1 "$setup" | grep -q '^# Vokarelo set-up, saved ' || fail "no comment first: $(head -n 1 "$setup")"
expected='Text1 = 57
Command2
dblclick Text3
Text3 = 13912345678
Command6
Check1
Label30
Label30'
[ "$(tail -n +2 "$setup")" = "$expected" ] || fail "the set-up reads: $(cat "$setup")"

# The window's own capture: the panel title narrows it and puts the picture on the clipboard.
capture() {
  click_named "$window" Label1
  wait_for_size "$window" 524x1015
  xclip -selection clipboard -t image/png -o >"$1"
}
capture "$workdir/window.png"

{ cat "$setup"; echo "save $workdir/replayed.png"; } >"$workdir/replay.vks"
"$workdir/vokarelo" --script "$workdir/replay.vks" || fail "the script mode failed on: $(cat "$setup")"
same_picture() {
  local differing
  differing=$(compare -metric AE "$1" "$2" null: 2>&1 || true)
  [ "$differing" = 0 ] || fail "$1 and $2 differ in $differing pixels; the set-up: $(cat "$setup")"
}
same_picture "$workdir/window.png" "$workdir/replayed.png"
kill "$program_pid"
wait "$program_pid" 2>/dev/null || true

# A fresh window opens it with Ctrl+O.
"$workdir/vokarelo" >"$workdir/log" 2>&1 &
program_pid=$!
window=$(wait_for_window '^Vokarelo$')
wait_for_size "$window" 889x854
click_named "$window" Image1
xdotool key ctrl+o
answer_dialog 打开设置 "$setup"
wait_for_size "$window" 889x1015
capture "$workdir/opened.png"
same_picture "$workdir/opened.png" "$workdir/replayed.png"
kill "$program_pid"
wait "$program_pid" 2>/dev/null || true

# And from the command line.
"$workdir/vokarelo" "$setup" >"$workdir/log" 2>&1 &
program_pid=$!
window=$(wait_for_window '^Vokarelo$')
wait_for_size "$window" 889x1015
capture "$workdir/started.png"
same_picture "$workdir/started.png" "$workdir/replayed.png"
echo "1 passed, 0 failed"
