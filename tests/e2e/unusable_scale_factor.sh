#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A scale factor the window cannot be shown at (at 0 there is no visible window, at 1000 it would
# take gigabytes and its capture fail), or a font resolution it cannot be laid out at (32767 makes
# a window 32 767 pixels wide), is ignored with one line on standard error that names it: the window
# opens at the screen's own scale, 889 x 854. For QT_SCREEN_SCALE_FACTORS, UNUSABLE names its
# unusable entries as the line quotes them.
# Usage: unusable_scale_factor.sh PROGRAM NAME=VALUE [UNUSABLE]
source "$(dirname "$0")/lib.sh"
in_own_x_server "$@"
name=${2%%=*}
value=${2#*=}
range="a scale factor is a number from 0.5 to 4; the window opens at the screen's own scale"
case $name in
  QT_SCALE_FACTOR) said="vokarelo: ignoring $name=\"$value\": $range" ;;
  QT_SCREEN_SCALE_FACTORS) said="vokarelo: ignoring $name=\"$value\", for $3: $range" ;;
  QT_FONT_DPI)
    said="vokarelo: ignoring $name=\"$value\": a font resolution is a whole number from 48 to 480;"
    said="$said the window takes the screen's own"
    ;;
  *) fail "no line known for $name" ;;
esac

export "$name=$value"
start_program "$1"
wait_for_size "$window" 889x854
[ "$(cat "$workdir/log")" = "$said" ] || fail "printed other than the one line: $said"
echo "1 passed, 0 failed"
