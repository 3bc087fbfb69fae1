#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Keys and clicks given while the window waits, for the export's pause and for a clipboard owner
# that answers late, land where they were aimed, in their order, none twice: a click into a field
# moves the focus at once, the field takes the keys typed into it, and 减1 clicked between two
# fields steps down the battery typed just before it.
# Usage: input_during_waits.sh VOKARELO CLIPBOARD_OWNER
source "$(dirname "$0")/lib.sh"
in_own_x_server "$@"
owner_program=$2

start_program "$1"
wait_for_size "$window" 889x854
jpeg="$workdir/13800138000.jpg"

read_field "$window" Text2
clock=$field_text
read -r battery_x battery_y <<<"$(named_point Text1)"
read -r clock_x clock_y <<<"$(named_point Text2)"
read -r down_x down_y <<<"$(named_point Command1)"

# One chain of input, as fast as the X server takes it, in one call: a click on CONTROL, then the
# battery set to BATTERY_KEYS, 减1, and CLOCK_KEY typed at the end of the clock field (keys as
# xdotool names them: 4 0 percent).
given_during() {
  local x y
  read -r x y <<<"$(named_point "$1")"
  # shellcheck disable=SC2086 # the battery's keys are words of their own
  # Without --delay 0 a click takes 100 ms, a key 12 ms.
  xdotool mousemove --window "$window" "$x" "$y" click --delay 0 1 \
    mousemove --window "$window" "$battery_x" "$battery_y" click --delay 0 1 \
    key --delay 0 ctrl+a $2 \
    mousemove --window "$window" "$down_x" "$down_y" click --delay 0 1 \
    mousemove --window "$window" "$clock_x" "$clock_y" click --delay 0 1 key --delay 0 End "$3"
}

# The export's pause: a capture first (which saves, as 自动保存JPG is ticked), so that the export's
# label is shown.
click_named "$window" Image2
close_message_box "$(wait_for_message_box)"
wait_for_size "$window" 889x854
rm "$jpeg"
given_during Label34 "4 0 percent" C
close_message_box "$(wait_for_message_box)"
wait_until 10 "the caption after the export" caption_is "图片$jpeg已保存"
wait_until 10 "the export's JPEG" jpeg_is "$jpeg" "JPEG 524x854 75"
read_field "$window" Text1
[ "$field_text" = 39% ] || fail "after 40% and 减1 during the export the battery field reads $field_text"
read_field "$window" Text2
[ "$field_text" = "${clock}C" ] || fail "after C during the export the clock field reads $field_text"

# An owner that answers each request 800 ms late: the paste waits for two answers, its types and
# its text.
coproc owner { exec "$owner_program" 800 13912345678; }
owner_pid=$owner_PID
read -r -t 10 ready <&"${owner[0]}" && [ "$ready" = owner ] || fail "the late owner did not start"
trap 'kill $program_pid $owner_pid 2>/dev/null || true; rm -rf "$workdir"' EXIT
# The top of the phone screen, which shows the form's state (the status bar and the number), above
# where the export's notice fades; the fields show the typing at once.
phone_screen() { import -window "$window" -crop 524x400+0+0 +repage "$1"; }
phone_screen "$workdir/before.png"
given_during Command5 "5 0 percent" B
# Nothing the chain gave has reached the phone screen yet: the paste still waits, and what came
# after it waits for the paste.
phone_screen "$workdir/during.png"
[ "$(compare -metric AE "$workdir/before.png" "$workdir/during.png" null: 2>&1)" = 0 ] ||
  fail "the phone screen changed before the late owner answered: the chain came too late to prove anything"
screen_changed() {
  phone_screen "$workdir/after.png"
  seen="$(compare -metric AE "$workdir/before.png" "$workdir/after.png" null: 2>&1) pixels changed"
  [ "$seen" != "0 pixels changed" ]
}
wait_until 10 "the paste and what came after it" screen_changed
read_field "$window" Text3
[ "$field_text" = 13912345678 ] || fail "the late owner's number did not arrive: $field_text"
read_field "$window" Text1
[ "$field_text" = 49% ] || fail "after 50% and 减1 during the paste the battery field reads $field_text"
read_field "$window" Text2
[ "$field_text" = "${clock}CB" ] || fail "after B during the paste the clock field reads $field_text"
echo "1 passed, 0 failed"
