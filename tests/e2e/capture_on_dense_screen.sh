#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# On a high-density screen (Qt's scale factor 2, as a 4K laptop runs, or a laptop's 1.5) the window
# is drawn that much finer, and the clipboard picture and the saved JPEG are taken in the screen's
# device pixels, as a screenshot of the window on that screen would be: the picture the script mode
# draws at that width, pixel for pixel, also between two scales of the pictures.
# Usage: capture_on_dense_screen.sh PROGRAM SCALE
source "$(dirname "$0")/lib.sh"
VOKARELO_E2E_SCREEN=2000x2200 in_own_x_server "$@"
scale=$2
export QT_SCALE_FACTOR=$scale
pixels() { awk -v n="$1" -v s="$scale" 'BEGIN { printf "%d", n * s + 0.5 }'; }
wide="$(pixels 889)x$(pixels 854)"
narrow="$(pixels 524)x$(pixels 854)"

start_program "$1"
wait_for_size "$window" "$wide"

# The back arrow, in device pixels.
click_named "$window" Image2
wait_for_size "$window" "$narrow"
box=$(wait_for_message_box)

wait_until 10 "the JPEG of the capture" jpeg_is "$workdir/13800138000.jpg" "JPEG $narrow 75"
wait_until 10 "the capture on the clipboard" clipboard_picture "$workdir/clip.png" "$narrow"
printf 'save %s\n' "$workdir/script.png" \
  | env -u QT_SCALE_FACTOR "$1" --script - --width "$(pixels 524)" \
  || fail "the script mode drew no picture"
[ "$(compare -metric AE "$workdir/clip.png" "$workdir/script.png" null: 2>&1)" = 0 ] \
  || fail "the capture is not the script mode's picture at $(pixels 524) pixels across"

close_message_box "$box"
wait_for_size "$window" "$wide"
echo "1 passed, 0 failed"
