#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The window read and worked as a screen reader does, through AT-SPI on an accessibility bus of the
# test's own (at-spi2-core, python3-pyatspi, dbus): every control's name, a number set through the
# field's text, submitted through its button and read back grouped from the phone screen's
# description, then the phone screen pressed as its back arrow, which narrows the window.
source "$(dirname "$0")/lib.sh"
in_own_x_server "$@"
# A D-Bus session of its own, in which the accessibility bus starts.
if [ -z "${VOKARELO_E2E_DBUS:-}" ]; then
  export VOKARELO_E2E_DBUS=1
  exec dbus-run-session -- bash "$0" "$@"
fi

launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || launcher=/usr/lib/at-spi2-core/at-spi-bus-launcher
"$launcher" --launch-immediately &
# Qt speaks to the accessibility bus whether or not a screen reader said it runs.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
use_own_folders
start_program "$1"
trap 'kill $program_pid 2>/dev/null || true; rm -rf "$workdir" "$state"' EXIT
wait_for_size "$window" 889x854

# Debian's interpreter, which has pyatspi, whatever python3 comes first on the path.
/usr/bin/python3 "$(dirname "$0")/screen_reader.py" || fail "read through AT-SPI"
wait_for_size "$window" 524x854
echo "1 passed, 0 failed"
