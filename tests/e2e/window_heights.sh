#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Real clicks of the X server on the two blue labels: a quick double click counts as one click, so
# lengthening takes two separate clicks, and so does restoring on a screen taller than the window.
source "$(dirname "$0")/lib.sh"
in_own_x_server "$@"

start_program "$1"
wait_for_size "$window" 889x854

# What a click did not do is seen once a later step of the user has been carried out: the window
# runs its input in order, so when a copy of the battery field arrives, the clicks before it are
# done. Its click elsewhere also keeps the next click on a label from pairing with the one before.
earlier_clicks_done() {
  read_field "$window" Text1
}

lengthen=Label30 # "慢双击加长窗口高度"
restore=Label29  # "慢双击恢复窗口高度"
double_click_named "$window" "$lengthen" 60
wait_for_size "$window" 889x855
earlier_clicks_done
[ "$(window_size "$window")" = 889x855 ] || fail "a quick double click counted twice"
click_named "$window" "$lengthen"
wait_for_size "$window" 889x1015
click_named "$window" "$restore"
earlier_clicks_done
[ "$(window_size "$window")" = 889x1015 ] || fail "one restore click on a tall screen"
click_named "$window" "$restore"
wait_for_size "$window" 889x855
echo "1 passed, 0 failed"
