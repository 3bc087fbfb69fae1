#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# At a scale between two (a laptop's 1.5 or 1.75), under a window manager that keeps to the size
# steps a window asks for (openbox), the window is as large as its picture in device pixels after
# every change of its height, as a screenshot of it would be.
# Usage: scaled_under_window_manager.sh PROGRAM SCALE
VOKARELO_E2E_SCREEN=2400x2400
source "$(dirname "$0")/lib.sh"
in_own_x_server "$@"
scale=$2
export QT_SCALE_FACTOR=$scale
pixels() { awk -v n="$1" -v s="$scale" 'BEGIN { printf "%d", n * s + 0.5 }'; }
use_own_folders

source "$(dirname "$0")/window_manager.sh"
cleanup_paths=("$state")

start_program "$1"
wait_for_size "$window" "$(pixels 889)x$(pixels 854)"
# Each blue label asks for two separate clicks (a slow double click).
double_click_named "$window" Label30 600
wait_for_size "$window" "$(pixels 889)x$(pixels 1015)"
# Restored, the window is as high as the phone screen's background, a pixel higher than at start.
double_click_named "$window" Label29 600
wait_for_size "$window" "$(pixels 889)x$(pixels 855)"
click_named "$window" Check6 # no export: the narrow window stays
click_named "$window" Image2
wait_for_size "$window" "$(pixels 524)x$(pixels 855)"
xclip -selection clipboard -t image/png -o >"$state/clip.png"
[ "$(identify -format '%wx%h' "$state/clip.png")" = "$(window_size "$window")" ] ||
  fail "the window is $(window_size "$window"), its picture $(identify -format '%wx%h' "$state/clip.png")"
echo "1 passed, 0 failed"
