#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The picture dragged from the phone screen onto another program's window arrives there whole: the
# target, a Qt program of its own, asks for the picture and the address only once the mouse is let
# go, as chat windows and file managers do, and gets the capture as PNG and the address of the PNG
# file named after the number in the program's private folder of the runtime folder.
# Usage: drag_out.sh VOKARELO DROP_TARGET
source "$(dirname "$0")/lib.sh"
in_own_x_server "$@"
use_own_folders
report="$state/report"
# The phone screen is the window's left 524 pixels; the target lies beside the panel.
target_x=950 target_y=100

start_program "$1"
"$2" "$report" "$target_x" "$target_y" >"$state/target-log" 2>&1 &
target_pid=$!
trap 'kill $program_pid $target_pid 2>/dev/null || true; rm -rf "$workdir" "$state"' EXIT
wait_for_window '^Drop target$' >/dev/null
wait_for_size "$window" 889x854

# Checks for wait_until.
target_moves_past() {
  local moves
  moves=$(cat "$report.moves" 2>/dev/null || echo 0)
  seen="$moves moves of the drag over the target"
  [ "$moves" -gt "$1" ]
}
report_written() {
  seen="no report from the target; it printed: $(cat "$state/target-log")"
  [ -s "$report" ]
}

# Press on the phone screen and move off it in steps, past the drag distance, onto the target.
move_to_named "$window" Image1
xdotool mousedown 1
for step in 1 2 3 4 5; do
  xdotool mousemove_relative -- 10 0
done
xdotool mousemove $((target_x + 150)) $((target_y + 150))
wait_until 30 "the drag to reach the target" target_moves_past 0
# A move the target answers after the source has its answer to the first: the drop is taken.
xdotool mousemove_relative -- 5 5
wait_until 30 "the source to hear that the target takes the drop" target_moves_past 1
xdotool mouseup 1
wait_until 30 "the target's report of the drop" report_written

value() { awk -v key="$1" '$1 == key { sub(/^[^ ]+ /, ""); print }' "$report"; }
picture="$XDG_RUNTIME_DIR/vokarelo/13800138000.png"
formats=$(value formats)
for format in image/png text/uri-list; do
  [[ " $formats " == *" $format "* ]] || fail "the drag offers no $format: $formats"
done
[ "$(value png-bytes)" -gt 0 ] || fail "the target received no image/png bytes"
[ "$(value png-size)" = 524x854 ] ||
  fail "the image/png received is $(value png-size), not the capture's 524x854"
[ "$(value url)" = "file://$picture" ] ||
  fail "the address received is $(value url), not file://$picture"
[ "$(value file)" = exists ] || fail "the file of the address was not there at the drop"
[ "$(identify -format '%m %wx%h' "$picture" 2>&1)" = "PNG 524x854" ] ||
  fail "$picture is $(identify -format '%m %wx%h' "$picture" 2>&1)"
[ "$(stat -c %a "$XDG_RUNTIME_DIR/vokarelo")" = 700 ] ||
  fail "the drag folder's mode is $(stat -c %a "$XDG_RUNTIME_DIR/vokarelo")"
echo "1 passed, 0 failed"
