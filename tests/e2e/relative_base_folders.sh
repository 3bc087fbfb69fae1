#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Relative base folders (XDG_DATA_HOME=data and the like) are ignored, as the base-directory rules
# ask, and so is a relative TMPDIR where the runtime folder is made: the window writes nothing into
# the folder it was started in (not even into a tmp folder there), and keeps its session under the
# home.
source "$(dirname "$0")/lib.sh"
in_own_x_server "$@"

home=$(mktemp -d)
started_in=$(mktemp -d)
# The temporary folder the tests use stays absolute; only the program sees the relative one.
wrapper=$(mktemp -d)
printf '#!/bin/sh\nTMPDIR=tmp exec %q "$@"\n' "$1" >"$wrapper/vokarelo"
chmod +x "$wrapper/vokarelo"
cd "$started_in"
mkdir tmp
export HOME=$home XDG_DATA_HOME=data XDG_CONFIG_HOME=config XDG_CACHE_HOME=cache \
  XDG_STATE_HOME=state XDG_RUNTIME_DIR=run XDG_DATA_DIRS=share:/usr/share XDG_CONFIG_DIRS=xdg

start_program "$wrapper/vokarelo"
trap 'kill $program_pid 2>/dev/null || true; rm -rf "$workdir" "$home" "$started_in" "$wrapper"' EXIT
wait_for_size "$window" 889x854
click_named "$window" Check1
kill -TERM "$program_pid"
wait_until 20 "the program to end" process_gone "$program_pid"
[ "$(find . -mindepth 1)" = ./tmp ] ||
  fail "wrote into the folder it was started in: $(find . -mindepth 1)"
[ "$(tail -n 1 "$home/.local/share/Vokarelo/last-session.vks")" = Check1 ] ||
  fail "the session was not kept under the home: $(cd "$home" && find . -mindepth 1)"
echo "1 passed, 0 failed"
