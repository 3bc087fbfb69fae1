#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Under the C locale the window still speaks Chinese: a set-up that fails shows its error in
# Chinese, in a message box whose button is Qt's own 确定. The box must match, pixel for pixel, a
# reference box that a small program shows with Qt's Chinese translation over the same window;
# Qt's English OK would not. Qt says nothing about a missing runtime folder.
source "$(dirname "$0")/lib.sh"
in_own_x_server "$@"
reference_program=$2

workdir=$(mktemp -d)
cp "$1" "$workdir/vokarelo"
printf 'Text3 = 1\nBogus7\n' >"$workdir/bad.vks"
env -u XDG_RUNTIME_DIR LC_ALL=C LANG=C LANGUAGE= "$workdir/vokarelo" "$workdir/bad.vks" \
  >"$workdir/log" 2>&1 &
program_pid=$!
reference_pid=""
trap 'kill $program_pid $reference_pid 2>/dev/null || true; rm -rf "$workdir"' EXIT
window=$(wait_for_window '^Vokarelo$')
box=$(wait_for_message_box)

# A box is painted once it shows more than its background, and the same twice running. Cuts its
# picture into FILE: painted WINDOW FILE.
painted() {
  local new="${2%.png}-new.png"
  if ! import -window "$1" "$new" 2>/dev/null; then
    seen="no picture of window $1"
    return 1
  fi
  seen="$(identify -format %k "$new") colours in window $1"
  if [ "$seen" != "1 colours in window $1" ] && [ -f "$2" ] &&
    [ "$(compare -metric AE "$2" "$new" null: 2>&1)" = 0 ]; then
    return 0
  fi
  mv "$new" "$2"
  return 1
}
# Taken before the reference shows, which may cover it.
wait_until 20 "the message box to be painted" painted "$box" "$workdir/box.png"

expected="$workdir/bad.vks第2行“Bogus7”：Bogus7不是窗口中的控件"
LC_ALL=C LANG=C LANGUAGE= "$reference_program" "$expected" \
  >"$workdir/reference" 2>"$workdir/reference.log" &
reference_pid=$!
reference_shown() {
  kill -0 "$reference_pid" 2>/dev/null ||
    fail "the reference box did not show (no Chinese 确定?): $(cat "$workdir/reference.log")"
  seen="the reference program printing no window"
  [ -s "$workdir/reference" ]
}
wait_until 30 "the reference box" reference_shown
wait_until 20 "the reference box to be painted" \
  painted "$(head -n 1 "$workdir/reference")" "$workdir/reference.png"

[ "$(identify -format %wx%h "$workdir/box.png")" = \
  "$(identify -format %wx%h "$workdir/reference.png")" ] ||
  fail "the box is $(identify -format %wx%h "$workdir/box.png"), the Chinese reference" \
       "$(identify -format %wx%h "$workdir/reference.png")"
differing=$(compare -metric AE "$workdir/box.png" "$workdir/reference.png" null: 2>&1 || true)
[ "$differing" = "0" ] || fail "$differing pixels of the box differ from the Chinese reference"
if grep -q 'XDG_RUNTIME_DIR\|translation' "$workdir/log"; then
  fail "Qt warned about the runtime folder or the translation"
fi
echo "1 passed, 0 failed"
