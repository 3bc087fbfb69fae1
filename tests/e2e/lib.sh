# SPDX-License-Identifier: MIT
# Shared by the end-to-end tests: each runs the real program in an X server of its own, so that
# tests never share a clipboard or a window.
set -euo pipefail

# Re-runs the calling script inside a fresh Xvfb with a screen of VOKARELO_E2E_SCREEN pixels
# (1280x1080 unless set).
in_own_x_server() {
  if [ -z "${VOKARELO_E2E_X:-}" ]; then
    export VOKARELO_E2E_X=1
    # -noreset: a server that resets when its last client leaves refuses the next program that
    # connects meanwhile, as a test that starts the program again would.
    exec xvfb-run -a -s "-screen 0 ${VOKARELO_E2E_SCREEN:-1280x1080}x24 -nolisten tcp -noreset" \
      bash "$0" "$@"
  fi
}

fail() {
  echo "FAIL: $*" >&2
  if [ -s "${workdir:-}/log" ]; then
    echo "--- what the program printed:" >&2
    cat "$workdir/log" >&2
  fi
  xdpyinfo >/dev/null 2>&1 || echo "(the X server on $DISPLAY does not answer)" >&2
  exit 1
}

# Copies the program into a folder of its own (the export writes beside the program) and starts it.
start_program() {
  local program=$1
  workdir=$(mktemp -d)
  cp "$program" "$workdir/vokarelo"
  "$workdir/vokarelo" >"$workdir/log" 2>&1 &
  program_pid=$!
  trap 'kill $program_pid 2>/dev/null || true; rm -rf "$workdir"' EXIT
  window=$(wait_for_window '^Vokarelo$')
}

# Waits up to 60 s (a loaded machine starts slowly) for a visible window whose name matches, and prints its id.
wait_for_window() {
  local id=""
  for _ in $(seq 1 300); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
  fail "no window named $1 appeared"
}

window_size() {
  xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'
}

# Waits up to 10 s for the window to reach a size.
wait_for_size() {
  local size=""
  for _ in $(seq 1 50); do
    size=$(window_size "$1")
    [ "$size" = "$2" ] && return 0
    sleep 0.2
  done
  fail "window is $size, expected $2"
}

# Waits up to 10 s for a second visible window named Vokarelo, the message box, and prints its id.
wait_for_message_box() {
  for _ in $(seq 1 50); do
    for id in $(xdotool search --onlyvisible --name '^Vokarelo$'); do
      [ "$id" != "$window" ] && { echo "$id"; return 0; }
    done
    sleep 0.2
  done
  fail "no message box"
}

# A click at a point of the window's client area.
click_at() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
}

# The point to click to reach a control or phone-screen element by its name (Command6, Image2), or
# a named point of the window (panel-background): "X Y" in the window's pixels, times
# QT_SCALE_FACTOR on a dense screen. The points come from the window's own tables through
# control_positions (VOKARELO_CONTROL_POSITIONS, set by the tests' CMake), which documents them.
named_point() {
  "${VOKARELO_CONTROL_POSITIONS:?the tests set it to control_positions}" \
    --scale "${QT_SCALE_FACTOR:-1}" "$1" || fail "no point named $1"
}

# The mouse onto a control, element or named point: move_to_named WINDOW NAME.
move_to_named() {
  local x y point
  point=$(named_point "$2")
  read -r x y <<<"$point"
  xdotool mousemove --window "$1" "$x" "$y"
}

# A click on a control or element by its name: click_named WINDOW NAME.
click_named() {
  move_to_named "$1" "$2"
  xdotool click 1
}

# A double click by name, the two clicks DELAY milliseconds apart: double_click_named WINDOW NAME
# DELAY.
double_click_named() {
  move_to_named "$1" "$2"
  xdotool click --repeat 2 --delay "$3" 1
}
