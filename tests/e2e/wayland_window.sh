#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The window natively on Wayland: Weston runs on X11 inside the test's own Xvfb, and the program
# connects to it with Qt's Wayland platform. The window opens at its size, a drag of the panel's
# background moves it, and a click on the back arrow puts the picture on the Wayland clipboard and
# saves the JPEG beside the program. A set-up that captures before the window has had any input is
# told that its picture did not reach the clipboard, on a Weston with no input devices at all, and
# its export saves the capture's picture all the same.
# Weston is read through its debug stream (weston-debug): the scene graph holds each window's place,
# size and title, as the compositor shows them.
source "$(dirname "$0")/lib.sh"
in_own_x_server "$@"

program=$1
runtime=$(mktemp -d)
chmod 0700 "$runtime"
cat >"$runtime/weston.ini" <<'EOF'
[core]
idle-time=0
[shell]
panel-position=none
locking=false
animation=none
startup-animation=none
EOF
export XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=wayland
weston_pids=()
program_pid=""
workdir=""
cleanup() {
  [ -z "$program_pid" ] || kill "$program_pid" 2>/dev/null || true
  local pid
  for pid in "${weston_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$runtime" "$workdir"
}
trap cleanup EXIT

# Starts a Weston on X11 listening on the socket NAME, with further options, and waits for it.
start_weston() {
  local name=$1
  shift
  weston --backend=x11-backend.so --use-pixman --width=1200 --height=1000 --socket="$name" \
    --config="$runtime/weston.ini" --debug --log="$runtime/$name.log" "$@" &
  weston_pids+=($!)
  export WAYLAND_DISPLAY=$name
  wait_until 30 "Weston's socket $name" weston_answers
}

weston_answers() {
  seen="no scene graph from Weston"
  scene_graph | grep -q '^Output'
}

# Weston's output window on X11, in `found`.
weston_window_shown() {
  found=$(xwininfo -root -children 2>/dev/null | awk '/"Weston Compositor/ {print $1; exit}')
  seen="no window of Weston on X11"
  [ -n "$found" ]
}

scene_graph() {
  timeout 5 weston-debug scene-graph 2>/dev/null
}

# The program's biggest window as Weston shows it, which is its main window, not its message box:
# sets `place` ("X Y"), `size` ("WxH") and `title`.
read_window() {
  local line
  place="" size="" title=""
  line=$(scene_graph | awk -v pid="PID $program_pid," '
    /^\t*View [0-9]+ \(role xdg_toplevel/ && index($0, pid) { view = $0; next }
    view && /position:/ {
      gsub(/[(),]/, " "); w = $5 - $2; h = $6 - $3
      if (w * h > best) { best = w * h; found = $2 " " $3 " " w "x" h "\t" view }
      view = ""
    }
    END { print found }')
  [ -n "$line" ] || return 1
  read -r x y size <<<"${line%%$'\t'*}"
  place="$x $y"
  title=$(sed -n "s/.*top-level window '\\(.*\\)' of .*/\\1/p" <<<"${line#*$'\t'}")
}

window_size_is() {
  read_window || { seen="no window of the program"; return 1; }
  seen="the window at $size"
  [ "$size" = "$1" ]
}

title_is() {
  read_window || { seen="no window of the program"; return 1; }
  seen="the title $title"
  [ "$title" = "$1" ]
}

# As many windows of the program shown as given, the main window included.
windows_are() {
  local count
  count=$(scene_graph | grep -c "role xdg_toplevel, PID $program_pid,")
  seen="$count windows of the program"
  [ "$count" = "$1" ]
}

# The window moved right and down by at least DX DY from X Y: moved_from X Y DX DY.
moved_from() {
  read_window || { seen="no window of the program"; return 1; }
  local x y
  read -r x y <<<"$place"
  seen="the window at $x,$y"
  [ $((x - $1)) -ge "$3" ] && [ $((y - $2)) -ge "$4" ]
}

# A picture of WxH as image/png on the Wayland clipboard.
wayland_clipboard_picture() {
  if ! timeout 5 wl-paste --list-types 2>/dev/null | grep -qx image/png; then
    seen="no image/png on the clipboard; it offers $(timeout 5 wl-paste --list-types 2>&1 | tr '\n' ' ')"
    return 1
  fi
  seen="a picture of $(timeout 5 wl-paste --type image/png 2>/dev/null | identify -format '%wx%h' - 2>&1)"
  [ "$seen" = "a picture of $1" ]
}

wayland_clipboard_text_is() {
  seen="the clipboard reads $(timeout 5 wl-paste --no-newline 2>&1)"
  [ "$seen" = "the clipboard reads $1" ]
}

# The program in a folder of its own (the export writes beside it), with ARGS.
start_wayland_program() {
  workdir=$(mktemp -d)
  cp "$program" "$workdir/vokarelo"
  "$workdir/vokarelo" "$@" >"$workdir/log" 2>&1 &
  program_pid=$!
}

stop_program() {
  kill "$program_pid" 2>/dev/null || true
  wait "$program_pid" 2>/dev/null || true
  program_pid=""
  rm -rf "$workdir"
}

# The pointer onto a named point of the window, through Weston's window on X11.
pointer_to() {
  local x y point wx wy
  point=$(named_point "$1")
  read -r x y <<<"$point"
  read -r wx wy <<<"$place"
  xdotool mousemove --window "$weston_window" $((wx + x)) $((wy + y))
}

start_weston wayland-test
wait_until 30 "Weston's window on X11" weston_window_shown
weston_window=$found

start_wayland_program
wait_until 60 "the window at 889x854" window_size_is 889x854

# A drag of the panel's background moves the window with the pointer, once past the drag distance.
read_window
read -r x0 y0 <<<"$place"
pointer_to panel-background
xdotool mousedown 1
for _ in 1 2 3 4 5 6; do
  xdotool mousemove_relative -- 20 15
  sleep 0.05 # part of the gesture: a drag takes time
done
xdotool mouseup 1
wait_until 30 "the window to follow the drag" moved_from "$x0" "$y0" 80 60
wait_until 10 "the window at 889x854 after the move" window_size_is 889x854

# The back arrow captures: the picture on the clipboard, the JPEG beside the program.
pointer_to Image2
xdotool click 1
jpeg="$workdir/13800138000.jpg"
wait_until 30 "the JPEG of the capture" jpeg_is "$jpeg" "JPEG 524x854 75"
wait_until 10 "the caption of the export" title_is "图片$jpeg已保存"
# Return answers the message box, which has the keyboard once shown, and the window widens again.
wait_until 30 "the message box" windows_are 2
xdotool key Return
wait_until 30 "the message box to close" windows_are 1
wait_until 30 "the window wide again" window_size_is 889x854
wait_until 10 "the capture on the Wayland clipboard" wayland_clipboard_picture 524x854

# Another program's copy holds the clipboard; a set-up opened at start captures before the window
# has had any input, and Weston keeps the other program's text.
stop_program
printf 'copied elsewhere' | timeout 10 wl-copy >/dev/null 2>&1
wait_until 10 "the other program's text on the clipboard" \
  wayland_clipboard_text_is "copied elsewhere"
printf 'Label1\n' >"$runtime/capture.vks"
start_wayland_program "$runtime/capture.vks"
refused='截屏未能放到剪贴板（请先点一下窗口再截屏） - '
title_refused() {
  read_window || { seen="no window of the program"; return 1; }
  seen="the title $title"
  [[ "$title" == "$refused"* ]]
}
wait_until 60 "the caption of a capture that did not reach the clipboard" title_refused
wayland_clipboard_text_is "copied elsewhere" || fail "the clipboard now reads ${seen#the clipboard reads }"

# A Weston without input devices: no clipboard at all, and the export saves the capture's picture.
stop_program
start_weston wayland-no-input --no-input
printf 'Image2\n' >"$runtime/export.vks"
start_wayland_program "$runtime/export.vks"
jpeg="$workdir/13800138000.jpg"
wait_until 60 "the JPEG of a capture that did not reach the clipboard" jpeg_is "$jpeg" \
  "JPEG 524x854 75"
wait_until 10 "the caption of the export" title_is "图片$jpeg已保存"
echo "1 passed, 0 failed"
