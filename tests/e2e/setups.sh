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
xdotool type --delay 20 "13912345678"
click_named "$window" Command6
click_named "$window" Check1
click_named "$window" Label30
wait_for_size "$window" 889x855
sleep 0.6 # part of the slow double click: longer than the double-click interval after the first
click_named "$window" Label30
wait_for_size "$window" 889x1015

# Types a path into the file dialog of that title and accepts it. The dialog takes the keys once it
# has the focus; the path is accepted once its file name field is seen, by a copy, to hold it.
dialog_field_holds() {
  xdotool key ctrl+a ctrl+c
  clipboard_text_is "$1"
}
answer_dialog() {
  local dialog
  dialog=$(wait_for_window "^$1\$")
  offer_text "(before $1)"
  xdotool windowfocus --sync "$dialog"
  xdotool key ctrl+a type --delay 10 "$2"
  wait_until 30 "the file name of $1 to read $2" dialog_field_holds "$2"
  xdotool key Return
}

setup="$workdir/made in the window.vks"
expected='Text1 = 57
Command2
dblclick Text3
Text3 = 13912345678
Command6
Check1
Label30
Label30'
setup_written() {
  if [ ! -s "$setup" ]; then
    seen="no $setup"
    return 1
  fi
  seen="the set-up reading: $(cat "$setup")"
  head -n 1 "$setup" | grep -q '^# Vokarelo set-up, saved ' &&
    [ "$(tail -n +2 "$setup")" = "$expected" ]
}
xdotool key ctrl+s
answer_dialog 保存设置 "$setup"
wait_until 30 "Ctrl+S to write the set-up made in the window" setup_written

# The window's own capture: the panel title narrows it and puts the picture on the clipboard.
capture() {
  offer_text "(before the capture)"
  click_named "$window" Label1
  wait_for_size "$window" 524x1015
  wait_until 30 "the capture on the clipboard" clipboard_picture "$1" 524x1015
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
# Ends the window, and waits until the X server has taken it away, as the next one is looked for by
# its name.
end_program() {
  kill "$program_pid"
  wait "$program_pid" 2>/dev/null || true
  wait_until 10 "the ended program's window to go" window_gone "$window"
}
end_program

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
end_program

# And from the command line.
"$workdir/vokarelo" "$setup" >"$workdir/log" 2>&1 &
program_pid=$!
window=$(wait_for_window '^Vokarelo$')
wait_for_size "$window" 889x1015
capture "$workdir/started.png"
same_picture "$workdir/started.png" "$workdir/replayed.png"
echo "1 passed, 0 failed"
