#!/usr/bin/env bash
# On a high-density screen (Qt's scale factor 2, as a 4K laptop runs) the window is drawn twice as
# fine, and the clipboard picture and the saved JPEG are taken in the screen's device pixels, as a
# screenshot of the window on that screen would be.
source "$(dirname "$0")/lib.sh"
VOKARELO_E2E_SCREEN=2000x2200 in_own_x_server "$@"
export QT_SCALE_FACTOR=2

start_program "$1"
wait_for_size "$window" 1778x1708

# The back arrow, in device pixels.
click_at "$window" 100 150
wait_for_size "$window" 1048x1708
box=$(wait_for_message_box)

jpeg="$workdir/13800138000.jpg"
[ "$(identify -format '%m %wx%h %Q' "$jpeg")" = "JPEG 1048x1708 75" ] \
  || fail "jpeg is $(identify -format '%m %wx%h %Q' "$jpeg" 2>&1)"
xclip -selection clipboard -t image/png -o >"$workdir/clip.png"
[ "$(identify -format '%wx%h' "$workdir/clip.png")" = "1048x1708" ] || fail "clipboard picture size"

xdotool windowfocus --sync "$box" key Return
wait_for_size "$window" 1778x1708
echo "1 passed, 0 failed"
