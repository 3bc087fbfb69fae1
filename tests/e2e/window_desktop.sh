#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The window on a laptop-sized screen with a window manager: it fits the screen's height and
# scrolls, its background moves it, Return submits a field's row, Escape leaves the field, Ctrl+Z
# and Ctrl+Y undo and redo, the right-click menu quits, the session's set-up is kept at quitting and
# brought back from the menu, and Ctrl+Q quits.
VOKARELO_E2E_SCREEN=1366x768
source "$(dirname "$0")/lib.sh"
in_own_x_server "$@"

use_own_folders
kept="$XDG_DATA_HOME/Vokarelo/last-session.vks"

source "$(dirname "$0")/window_manager.sh"
cleanup_paths=("$state")

start() {
  workdir=$(mktemp -d)
  cp "$1" "$workdir/vokarelo"
  "$workdir/vokarelo" >"$workdir/log" 2>&1 &
  program_pid=$!
  window=$(wait_for_window '^Vokarelo$')
}

# Waits for the program to end of itself, without a question, and its window to go.
wait_for_exit() {
  wait_until 30 "the program to quit" process_gone "$program_pid"
  wait "$program_pid" || true
  wait_until 10 "the window of the program that quit to go" window_gone "$window"
}

position() {
  xdotool getwindowgeometry "$window" | awk '/Position:/ {print $2}' | cut -d, -f1
}

height_is() {
  seen="the window at $(window_size "$window") on a 1366x768 screen"
  [ "$(window_size "$window" | cut -dx -f2)" = "$1" ]
}

at_x() {
  seen="the window at x $(position)"
  [ "$seen" = "the window at x $1" ]
}

# The program's menu and its submenus open: menus_shown COUNT. They are windows of their own, and
# hold the mouse and the keys while they are shown.
menus_shown() {
  other_windows_are "$1"
}

start "$1"
# As high as the screen, with a scroll bar beside the panel.
wait_until 30 "the window to be as high as the screen" height_is 768

# A drag on the panel's background, between the title and the battery row, moves the window.
before=$(position)
step=150
[ "$before" -gt 300 ] && step=-150
move_to_named "$window" panel-background
# The pauses are the drag's own: the window manager takes the move over once the program asks it
# to, and the hand moves in steps and rests before it lets go.
xdotool mousedown 1 sleep 0.3 \
  mousemove_relative -- $((step / 3)) 0 sleep 0.2 mousemove_relative -- $((step / 3)) 0 sleep 0.2 \
  mousemove_relative -- $((step / 3)) 0 sleep 0.3 mouseup 1
wait_until 10 "a drag of $step to move the window from x $before" at_x $((before + step))

# The colour row lies below the screen's edge: the wheel brings it up by the 86 pixels missing.
move_to_named "$window" panel-background
for _ in $(seq 1 10); do xdotool click 5; done
red=$(named_point Text9)
read -r red_x red_y <<<"$red"
click_at "$window" "$red_x" $((red_y - 86))
xdotool key ctrl+a type 100
# The click landed in the red field, so the wheel had brought it up.
read_field "$window"
[ "$field_text" = 100 ] ||
  fail "the field clicked 86 pixels above the red field's place reads $field_text"
xdotool key Return Escape
# Undo takes back the row's 保存, redo brings it again, undo once more.
xdotool key ctrl+z ctrl+y ctrl+z

# The menu's last entry quits, asking nothing; the session is kept.
for _ in $(seq 1 10); do xdotool click 4; done
move_to_named "$window" panel-background
xdotool click 3
wait_until 10 "the menu" menus_shown 1
xdotool key Up Return
wait_for_exit
[ -f "$kept" ] || fail "no set-up kept at $kept"
[ "$(grep -v '^#' "$kept")" = "Text9 = 100" ] || fail "kept: $(cat "$kept")"
rm -rf "$workdir"

# The menu brings the last session back; Ctrl+Q keeps the new one in its place.
start "$1"
move_to_named "$window" panel-background
xdotool click 3
wait_until 10 "the menu" menus_shown 1
xdotool key Up Up Right
wait_until 10 "the menu of recent set-ups" menus_shown 2
xdotool key Return
# The menus let go of the mouse as they close; the set-up they chose is loaded before the click.
wait_until 10 "the menus to close" menus_shown 0
click_named "$window" Check1 # 启用通话记录2
xdotool key ctrl+q
wait_for_exit
[ "$(grep -v '^#' "$kept")" = $'Text9 = 100\nCheck1' ] || fail "kept: $(cat "$kept")"
echo "1 passed, 0 failed"
