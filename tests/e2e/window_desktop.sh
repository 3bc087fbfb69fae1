#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The window on a laptop-sized screen with a window manager: it fits the screen's height and
# scrolls, its background moves it, Return submits a field's row, Escape leaves the field, Ctrl+Z
# and Ctrl+Y undo and redo, the right-click menu quits, the session's set-up is kept at quitting and
# brought back from the menu, and Ctrl+Q quits.
VOKARELO_E2E_SCREEN=1366x768
source "$(dirname "$0")/lib.sh"
in_own_x_server "$@"

state=$(mktemp -d)
mkdir -m 700 "$state/run"
export XDG_DATA_HOME="$state/data" XDG_CONFIG_HOME="$state/config" XDG_RUNTIME_DIR="$state/run"
kept="$XDG_DATA_HOME/Vokarelo/last-session.vks"

openbox --sm-disable >/dev/null 2>&1 &
openbox_pid=$!
cleanup() {
  kill "${program_pid:-}" 2>/dev/null || true
  kill "$openbox_pid" 2>/dev/null || true
  rm -rf "$state" "${workdir:-}"
}
trap cleanup EXIT
# Waits until the window manager owns the screen.
for _ in $(seq 1 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done

start() {
  workdir=$(mktemp -d)
  cp "$1" "$workdir/vokarelo"
  "$workdir/vokarelo" >"$workdir/log" 2>&1 &
  program_pid=$!
  window=$(wait_for_window '^Vokarelo$')
}

# Waits up to 10 s for the program to end of itself, without a question.
wait_for_exit() {
  for _ in $(seq 1 50); do
    kill -0 "$program_pid" 2>/dev/null || { wait "$program_pid" || true; return 0; }
    sleep 0.2
  done
  fail "the program did not quit"
}

position() {
  xdotool getwindowgeometry "$window" | awk '/Position:/ {print $2}' | cut -d, -f1
}

start "$1"
# As high as the screen, with a scroll bar beside the panel.
sleep 0.5
height=$(window_size "$window" | cut -dx -f2)
[ "$height" = 768 ] || fail "the window is $(window_size "$window") on a 1366x768 screen"

# A drag on the panel's background, between the title and the battery row, moves the window.
before=$(position)
step=150
[ "$before" -gt 300 ] && step=-150
move_to_named "$window" panel-background
xdotool mousedown 1 sleep 0.3 \
  mousemove_relative -- $((step / 3)) 0 sleep 0.2 mousemove_relative -- $((step / 3)) 0 sleep 0.2 \
  mousemove_relative -- $((step / 3)) 0 sleep 0.3 mouseup 1
sleep 0.5
after=$(position)
[ $((after - before)) = "$step" ] || fail "a drag of $step moved the window from x $before to $after"

# The colour row lies below the screen's edge: the wheel brings it up by the 86 pixels missing.
move_to_named "$window" panel-background
for _ in $(seq 1 10); do xdotool click 5; done
sleep 0.3
red=$(named_point Text9)
read -r red_x red_y <<<"$red"
click_at "$window" "$red_x" $((red_y - 86))
xdotool key ctrl+a type 100
xdotool key Return Escape
sleep 0.3
# Undo takes back the row's 保存, redo brings it again, undo once more.
xdotool key ctrl+z ctrl+y ctrl+z
sleep 0.3

# The menu's last entry quits, asking nothing; the session is kept.
for _ in $(seq 1 10); do xdotool click 4; done
move_to_named "$window" panel-background
xdotool click 3
sleep 0.5
xdotool key Up Return
wait_for_exit
[ -f "$kept" ] || fail "no set-up kept at $kept"
[ "$(grep -v '^#' "$kept")" = "Text9 = 100" ] || fail "kept: $(cat "$kept")"
rm -rf "$workdir"

# The menu brings the last session back; Ctrl+Q keeps the new one in its place.
start "$1"
move_to_named "$window" panel-background
xdotool click 3
sleep 0.5
xdotool key Up Up Right
sleep 0.3
xdotool key Return
sleep 1
click_named "$window" Check1 # 启用通话记录2
sleep 0.3
xdotool key ctrl+q
wait_for_exit
[ "$(grep -v '^#' "$kept")" = $'Text9 = 100\nCheck1' ] || fail "kept: $(cat "$kept")"
echo "1 passed, 0 failed"
