#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program opens its borderless 889 x 854 window titled "Vokarelo".
source "$(dirname "$0")/lib.sh"
in_own_x_server "$@"

start_program "$1"
wait_for_size "$window" 889x854
[ "$(xdotool getwindowname "$window")" = "Vokarelo" ] || fail "window title"
echo "1 passed, 0 failed"
