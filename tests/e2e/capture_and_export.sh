#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The whole road of a picture: a new number typed and submitted, the back arrow clicked, the picture
# on the real clipboard, the JPEG beside the program, the message box, and the window wide again.
source "$(dirname "$0")/lib.sh"
in_own_x_server "$@"

start_program "$1"
wait_for_size "$window" 889x854

# Type a number into the number field (its double click empties it) and submit it.
double_click_named "$window" Text3 80
sleep 0.3
xdotool type --delay 20 "13912345678"
click_named "$window" Command6
sleep 0.3

# The back arrow narrows the window and captures it.
click_named "$window" Image2
wait_for_size "$window" 524x854

box=$(wait_for_message_box)

jpeg="$workdir/13912345678.jpg"
[ -f "$jpeg" ] || fail "no $jpeg; files: $(ls "$workdir")"
[ "$(identify -format '%m %wx%h %Q' "$jpeg")" = "JPEG 524x854 75" ] \
  || fail "jpeg is $(identify -format '%m %wx%h %Q' "$jpeg")"
case "$(xdotool getwindowname "$window")" in
  "图片$workdir/13912345678.jpg已保存") ;;
  *) fail "caption is $(xdotool getwindowname "$window")" ;;
esac

xclip -selection clipboard -t TARGETS -o | grep -qx 'image/png' || fail "no image/png on the clipboard"
xclip -selection clipboard -t image/png -o >"$workdir/clip.png"
[ "$(identify -format '%wx%h' "$workdir/clip.png")" = "524x854" ] || fail "clipboard picture size"

xdotool windowfocus --sync "$box" key Return
wait_for_size "$window" 889x854
echo "1 passed, 0 failed"
