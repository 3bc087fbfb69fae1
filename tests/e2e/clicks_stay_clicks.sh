#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Under a window manager a click stays a click: a tap on the panel's background moves nothing and
# the next click reaches its button; two slow clicks on a blue label lengthen the window; a press
# on that label dragged 30 pixels moves nothing; only a drag of the background past the drag
# distance moves the window.
source "$(dirname "$0")/lib.sh"
in_own_x_server "$@"
use_own_folders

source "$(dirname "$0")/window_manager.sh"
cleanup_paths=("$state")

position() { xwininfo -id "$window" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x "," y}'; }

start_program "$1"
wait_for_size "$window" 889x854
start=$(position)

# A tap on the background, then the mouse wanders off: the window stays.
move_to_named "$window" panel-background
xdotool click 1 mousemove_relative -- 120 40 mousemove_relative -- 40 120
[ "$(position)" = "$start" ] || fail "a tap and a wander moved the window from $start to $(position)"
# The next click is the button's: 启用通话记录2 ticks, which shows row 2 on the phone screen and
# makes the window's caption unchanged but the picture different; the narrow capture shows it.
click_named "$window" Check1

# A press on the blue label moved 30 pixels, released: no move, and no click either (it was let
# go elsewhere).
move_to_named "$window" Label30
xdotool mousedown 1 mousemove_relative -- 30 0 mouseup 1
[ "$(position)" = "$start" ] || fail "a press on a label dragged 30 pixels moved the window"

# Two slow clicks on it lengthen the window.
double_click_named "$window" Label30 600
wait_for_size "$window" 889x1015

# A drag of the background past the drag distance moves it by the whole drag (from where the window
# manager put the taller window).
start=$(position)
move_to_named "$window" panel-background
# The gesture takes its time: the window manager takes the mouse over between its steps.
xdotool mousedown 1 sleep 0.2 mousemove_relative -- 60 0 sleep 0.2 mousemove_relative -- 60 0 \
  sleep 0.2 mouseup 1
expected="$(( ${start%,*} + 120 )),${start#*,}"
window_at() {
  seen="the window at $(position)"
  [ "$(position)" = "$1" ]
}
wait_until 5 "a drag of 120 to move the window from $start to $expected" window_at "$expected"

# Row 2 is on the capture: the click after the tap was taken.
click_named "$window" Check6
click_named "$window" Image2
wait_for_size "$window" 524x1015
xclip -selection clipboard -t image/png -o >"$state/with-row-2.png"
printf 'Check1\nLabel30\nLabel30\nsave %s\n' "$state/script.png" | "$1" --script - ||
  fail "the script mode drew no picture"
[ "$(compare -metric AE "$state/with-row-2.png" "$state/script.png" null: 2>&1)" = 0 ] ||
  fail "the capture is not the picture with row 2 on and the window lengthened"
echo "1 passed, 0 failed"
