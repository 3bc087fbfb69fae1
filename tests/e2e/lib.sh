# SPDX-License-Identifier: MIT
# Shared by the end-to-end tests: each runs the real program in an X server of its own, so that
# tests never share a clipboard or a window.
set -euo pipefail

# The X server passes the clicks and keys on in the order it receives them, and the window runs
# them in that order, holding whatever arrives while one of its events runs. A script therefore
# gives its input one step after another and waits only for a state: before it checks it, and
# where the X server's own routing depends on it (a window or a menu that must be shown before it
# takes keys, a window that must have grown before a click lands below its old edge). The pauses
# left are parts of a gesture: a drag that takes time, two clicks that must not make a double
# click.

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
  xdpyinfo >/dev/null 2>&1 || echo "(the X server on ${DISPLAY:-} does not answer)" >&2
  exit 1
}

# Gives the program folders of the test's own, in `state`: its settings, its kept session and its
# private runtime folder (mode 0700, as a session's is). The caller removes `state` at its end.
use_own_folders() {
  state=$(mktemp -d)
  mkdir -m 700 "$state/runtime"
  export XDG_DATA_HOME="$state/data" XDG_CONFIG_HOME="$state/config" XDG_RUNTIME_DIR="$state/runtime"
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

# Waits for a state: runs CHECK ARGS... every 0.1 s until it succeeds, at most SECONDS, then fails
# naming WHAT it waited for and what the check saw last. A check runs in this shell and tells what
# it saw by setting `seen`; it may set other variables for the caller (the window it found). Run as
# a condition, a check is not stopped by set -e: its status is that of its last command. The
# bounds are generous, as a loaded machine is slow; an idle one passes at once.
# Usage: wait_until SECONDS WHAT CHECK [ARGS...]
wait_until() {
  local seconds=$1 what=$2 deadline
  shift 2
  deadline=$((${EPOCHREALTIME//[!0-9]/} + seconds * 1000000))
  seen=""
  until "$@"; do
    [ "${EPOCHREALTIME//[!0-9]/}" -lt "$deadline" ] ||
      fail "waited $seconds s for $what; saw ${seen:-nothing}"
    sleep 0.1
  done
}

# Checks for wait_until.

# A visible window whose name matches, in `found`.
visible_window() {
  found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
  seen="no such window"
  [ -n "$found" ]
}

window_size() {
  xwininfo -id "$1" 2>/dev/null | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'
}

window_is() {
  seen="the window at $(window_size "$1")"
  [ "$seen" = "the window at $2" ]
}

# The program's other visible windows: its message box, its menu and submenu. Sets `others` to
# their ids.
other_windows() {
  local id
  others=()
  for id in $(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null); do
    [ "$id" != "$window" ] && others+=("$id")
  done
  return 0
}

# As many other windows of the program shown as given.
other_windows_are() {
  other_windows
  seen="${#others[@]} windows besides the window"
  [ "${#others[@]}" = "$1" ]
}

# The program's message box, in `found`.
message_box_shown() {
  other_windows_are 1 && found=${others[0]}
}

no_message_box() {
  other_windows_are 0
}

window_gone() {
  seen="window $1 still there"
  ! xwininfo -id "$1" >/dev/null 2>&1
}

caption_is() {
  seen="the caption $(xdotool getwindowname "$window" 2>&1)"
  [ "$seen" = "the caption $1" ]
}

process_gone() {
  seen="process $1 still running"
  ! kill -0 "$1" 2>/dev/null
}

# The JPEG at PATH with its format, size and quality as identify tells them ("JPEG 524x854 75").
jpeg_is() {
  if [ ! -f "$1" ]; then
    seen="no $1; files: $(ls "$(dirname "$1")")"
    return 1
  fi
  seen="$1 is $(identify -format '%m %wx%h %Q' "$1" 2>&1)"
  [ "$seen" = "$1 is $2" ]
}

# What the clipboard offers, asked without hanging on an owner that does not answer.
clipboard() {
  timeout 5 xclip -selection clipboard "$@" -o 2>/dev/null
}

# A picture on the clipboard of that size, written to FILE: clipboard_picture FILE WxH.
clipboard_picture() {
  if ! clipboard -t TARGETS | grep -qx image/png; then
    seen="no image/png on the clipboard; it offers $(clipboard -t TARGETS | tr '\n' ' ')"
    return 1
  fi
  clipboard -t image/png >"$1" || true
  seen="a picture of $(identify -format '%wx%h' "$1" 2>&1) on the clipboard"
  [ "$seen" = "a picture of $2 on the clipboard" ]
}

clipboard_text_is() {
  seen="the clipboard reads $(clipboard)"
  [ "$seen" = "the clipboard reads $1" ]
}

# A text other than MARKER on the clipboard, in `found`.
clipboard_text_replaces() {
  found=$(clipboard || true)
  seen="the clipboard reads ${found:-nothing}"
  [ -n "$found" ] && [ "$found" != "$1" ]
}

# Waits up to 60 s (a loaded machine starts slowly) for a visible window whose name matches, and
# prints its id.
wait_for_window() {
  wait_until 60 "a window named $1" visible_window "$1"
  echo "$found"
}

# Waits for the window to reach a size: wait_for_size WINDOW WxH.
wait_for_size() {
  wait_until 30 "the window to be $2" window_is "$1" "$2"
}

# Waits for the program's message box and prints its id.
wait_for_message_box() {
  wait_until 30 "the message box" message_box_shown
  echo "$found"
}

# Answers the message box with Return and waits until it has gone.
close_message_box() {
  xdotool windowfocus --sync "$1" key Return
  wait_until 30 "the message box to close" no_message_box
}

# Puts a text on the clipboard from another program, and waits until the clipboard offers it.
offer_text() {
  printf '%s' "$1" | xclip -selection clipboard -i >/dev/null
  wait_until 10 "the clipboard to offer $1" clipboard_text_is "$1"
}

# The text of a field, as the user would copy it: a click into it (unless no name is given: the
# field with the focus), Ctrl+A and Ctrl+C. Sets `field_text`. The clipboard holds a marker first,
# so that the copy is seen to have arrived; an empty field copies nothing and cannot be read so.
# Usage: read_field WINDOW [NAME]
read_field() {
  local marker="(before the copy of ${2:-a field})"
  offer_text "$marker"
  [ -z "${2:-}" ] || click_named "$1" "$2"
  xdotool key ctrl+a ctrl+c
  wait_until 30 "the copy of ${2:-the field with the focus}" clipboard_text_replaces "$marker"
  field_text=$found
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
