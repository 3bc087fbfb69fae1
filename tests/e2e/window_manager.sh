# SPDX-License-Identifier: MIT
# Sourced after lib.sh by the end-to-end tests that need a window manager: starts openbox in the
# test's X server, waits until it owns the screen, and ends it, and whatever the test started, when
# the test ends. The caller lists its own files to remove in cleanup_paths.
cleanup_paths=()
openbox --sm-disable >/dev/null 2>&1 &
openbox_pid=$!
end_with_window_manager() {
  kill "${program_pid:-}" "$openbox_pid" 2>/dev/null || true
  rm -rf "${cleanup_paths[@]}" "${workdir:-}"
}
trap end_with_window_manager EXIT
window_manager_runs() {
  seen="no window manager"
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}
wait_until 30 "the window manager to own the screen" window_manager_runs
