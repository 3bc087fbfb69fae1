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
xdotool type --delay 20 "13912345678"
read_field "$window"
[ "$field_text" = 13912345678 ] || fail "the number field reads $field_text"
click_named "$window" Command6

# The back arrow narrows the window and captures it.
click_named "$window" Image2
wait_for_size "$window" 524x854
box=$(wait_for_message_box)

jpeg="$workdir/13912345678.jpg"
wait_until 10 "the JPEG of the capture" jpeg_is "$jpeg" "JPEG 524x854 75"
wait_until 10 "the caption of the export" caption_is "图片$jpeg已保存"
wait_until 10 "the capture on the clipboard" clipboard_picture "$workdir/clip.png" 524x854

close_message_box "$box"
wait_for_size "$window" 889x854
echo "1 passed, 0 failed"
