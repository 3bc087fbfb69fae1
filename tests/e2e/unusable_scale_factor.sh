#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A scale factor the window cannot be shown at (at 0 there is no visible window, at 1000 it would
# take gigabytes and its capture fail) is ignored with one line on standard error that names it:
# the window opens at the screen's own scale, 889 x 854.
# Usage: unusable_scale_factor.sh PROGRAM NAME=VALUE
source "$(dirname "$0")/lib.sh"
in_own_x_server "$@"
name=${2%%=*}
value=${2#*=}
range="a scale factor is a number from 0.5 to 4; the window opens at the screen's own scale"
if [ "$name" = QT_SCALE_FACTOR ]; then
  said="vokarelo: ignoring $name=\"$value\": $range"
else
  said="vokarelo: ignoring \"$value\" in $name: $range"
fi

export "$name=$value"
start_program "$1"
wait_for_size "$window" 889x854
[ "$(cat "$workdir/log")" = "$said" ] || fail "printed other than the one line: $said"
echo "1 passed, 0 failed"
