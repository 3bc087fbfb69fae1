#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Other programs on the real clipboard. A number another program offers is pasted with 粘贴; a
# picture it offers is exported; an owner that never answers costs the export, the paste and a
# field's Ctrl+V one wait each (5 s a request), after which they say that the clipboard did not
# answer. Clicks given
# meanwhile are held and carried out, in order, once the message box is closed.
# Usage: clipboard_owners.sh VOKARELO SILENT_CLIPBOARD_OWNER
source "$(dirname "$0")/lib.sh"
in_own_x_server "$@"
silent_owner=$2

paste=Command5  # 粘贴 beside the number field
export=Label34  # 保存截屏JPG到软件位置, shown after the first capture

# The phone's battery caption and fill bar, cut from the window's picture into FILE.
battery_picture() {
  local x y
  read -r x y <<<"$(named_point Label15)"
  import -window "$window" -crop "72x20+$((x - 21))+$((y - 10))" +repage "$1"
}

start_program "$1"
wait_for_size "$window" 889x854
jpeg="$workdir/13912345678.jpg"

# A number from another program, pasted; the capture names its file after it. The capture's click
# follows at once: it runs after the paste, whether or not the paste is still reading.
offer_text 13912345678
click_named "$window" "$paste"
click_named "$window" Image2
close_message_box "$(wait_for_message_box)"
wait_for_size "$window" 889x854 # wide again, so that the export's label can be clicked
wait_until 10 "the capture's JPEG named after the pasted number" jpeg_is "$jpeg" "JPEG 524x854 75"

# A picture from another program, exported on demand.
convert -size 300x200 xc:red "$workdir/red.png"
xclip -selection clipboard -t image/png -i "$workdir/red.png"
wait_until 10 "another program's picture on the clipboard" \
  clipboard_picture "$workdir/offered.png" 300x200
click_named "$window" "$export"
close_message_box "$(wait_for_message_box)"
wait_until 10 "the caption after the export" caption_is "图片$jpeg已保存"
wait_until 10 "the export of another program's picture" jpeg_is "$jpeg" "JPEG 300x200 75"
cp "$jpeg" "$workdir/earlier"

# An owner that never answers.
coproc owner { exec "$silent_owner"; }
owner_pid=$owner_PID # bash forgets it when the owner ends, as it does when the clipboard is taken
read -r -t 10 ready <&"${owner[0]}" && [ "$ready" = owner ] || fail "the silent owner did not start"
trap 'kill $program_pid $owner_pid 2>/dev/null || true; rm -rf "$workdir"' EXIT

click_named "$window" "$export"
close_message_box "$(wait_for_message_box)"
wait_until 10 "the caption after the export from an owner that never answers" \
  caption_is "图片$jpeg未保存：剪贴板没有响应"
# The caption is the export's last word: had it written anything, it would have by now.
cmp -s "$jpeg" "$workdir/earlier" || fail "the earlier file changed"

# Three clicks on 减1 while the paste waits: the battery field goes from 92% to 89%, but only once
# the paste has given up and its message box is closed.
battery_picture "$workdir/battery-before.png"
click_named "$window" "$paste"
move_to_named "$window" Command1
xdotool click --repeat 3 --delay 50 1
# xdotool gives the clicks in milliseconds; the paste waits 5 s. A box already shown would mean
# that they came after the wait and prove nothing.
! message_box_shown || fail "the paste gave up before the clicks on 减1 were given"
box=$(wait_for_message_box)
battery_picture "$workdir/battery-during.png"
[ "$(compare -metric AE "$workdir/battery-before.png" "$workdir/battery-during.png" null: 2>&1)" \
  = 0 ] || fail "the battery changed on the phone screen while the paste's message box was shown"
close_message_box "$box"
read_field "$window" Text1
[ "$field_text" = 89% ] || fail "after three clicks on 减1 the battery field reads $field_text"
# The copy came after the paste and the clicks, so their changes are all made by now.
[ "$(xdotool getwindowname "$window")" = "图片$jpeg未保存：剪贴板没有响应" ] \
  || fail "the paste changed the caption to $(xdotool getwindowname "$window")"
# The phone screen shows it too: the picture compared above is where it does.
battery_changed() {
  battery_picture "$workdir/battery-after.png"
  seen="$(compare -metric AE "$workdir/battery-before.png" "$workdir/battery-after.png" null: 2>&1)"
  seen="$seen pixels changed"
  [ "$seen" != "0 pixels changed" ]
}
wait_until 10 "the phone screen to show the battery stepped down" battery_changed

# Ctrl+V in a field, with an owner that never answers: one wait, then 粘贴's message, and the field
# keeps its text. Qt's own paste would wait three times over and then say nothing.
read_field "$window" Text4
location=$field_text
coproc owner { exec "$silent_owner"; }
owner_pid=$owner_PID
read -r -t 10 ready <&"${owner[0]}" && [ "$ready" = owner ] || fail "the silent owner did not start"
click_named "$window" Text4
xdotool key End ctrl+v
close_message_box "$(wait_for_message_box)"
read_field "$window" Text4
[ "$field_text" = "$location" ] || fail "after Ctrl+V from a silent owner the field reads $field_text"
echo "1 passed, 0 failed"
