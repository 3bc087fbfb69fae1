#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Other programs on the real clipboard. A number another program offers is pasted with 粘贴; a
# picture it offers is exported; an owner that never answers costs the export and the paste one
# wait each (5 s a request), after which they say that the clipboard did not answer.
# Usage: clipboard_owners.sh VOKARELO SILENT_CLIPBOARD_OWNER
source "$(dirname "$0")/lib.sh"
in_own_x_server "$@"
silent_owner=$2

paste=Command5  # 粘贴 beside the number field
export=Label34  # 保存截屏JPG到软件位置, shown after the first capture

# The program's message box: its second visible window, waited for up to 20 s (an owner that never
# answers once cost 65 s here). Closes it and prints nothing; fails when none appears.
close_message_box() {
  local box=""
  for _ in $(seq 1 100); do
    for id in $(xdotool search --onlyvisible --name '^Vokarelo$'); do
      [ "$id" != "$window" ] && box=$id
    done
    [ -n "$box" ] && break
    sleep 0.2
  done
  [ -n "$box" ] || fail "no message box after $1"
  xdotool windowfocus --sync "$box" key Return
  sleep 0.3
}

caption() {
  xdotool getwindowname "$window"
}

start_program "$1"
wait_for_size "$window" 889x854

# A number from another program, pasted and submitted; the capture names its file after it.
printf 13912345678 | xclip -selection clipboard -i
click_named "$window" "$paste"
sleep 0.5
click_named "$window" Image2
close_message_box "the capture's export"
[ -f "$workdir/13912345678.jpg" ] || fail "the pasted number named no file; files: $(ls "$workdir")"

# A picture from another program, exported on demand.
convert -size 300x200 xc:red "$workdir/red.png"
xclip -selection clipboard -t image/png -i "$workdir/red.png"
sleep 0.3
click_named "$window" "$export"
close_message_box "the export of another program's picture"
[ "$(caption)" = "图片$workdir/13912345678.jpg已保存" ] || fail "caption is $(caption)"
[ "$(identify -format '%m %wx%h' "$workdir/13912345678.jpg")" = "JPEG 300x200" ] \
  || fail "export is $(identify -format '%m %wx%h' "$workdir/13912345678.jpg")"
cp "$workdir/13912345678.jpg" "$workdir/earlier"

# An owner that never answers.
coproc owner { exec "$silent_owner"; }
read -r -t 10 ready <&"${owner[0]}" && [ "$ready" = owner ] || fail "the silent owner did not start"
trap 'kill $program_pid $owner_PID 2>/dev/null || true; rm -rf "$workdir"' EXIT

click_named "$window" "$export"
close_message_box "the export from an owner that never answers"
[ "$(caption)" = "图片$workdir/13912345678.jpg未保存：剪贴板没有响应" ] || fail "caption is $(caption)"
cmp -s "$workdir/13912345678.jpg" "$workdir/earlier" || fail "the earlier file changed"

click_named "$window" "$paste"
close_message_box "the paste from an owner that never answers"
[ "$(caption)" = "图片$workdir/13912345678.jpg未保存：剪贴板没有响应" ] \
  || fail "the paste changed the caption to $(caption)"
echo "1 passed, 0 failed"
