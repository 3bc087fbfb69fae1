#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks the library search path written into a program (readelf -d): an empty entry means the
# working folder, so a library planted there would run inside the program, and $ORIGIN or any
# other folder that holds none of the program's libraries only widens where it looks. With
# --none, the program may carry no search path at all, as an installed one finds everything in
# the system's library folders.
#   search_path.sh PROGRAM [--none]
set -euo pipefail
program=$1
none=${2:-}

dynamic=$(readelf -d "$program")
needed=$(sed -n 's/.*(NEEDED).*\[\(.*\)\]$/\1/p' <<<"$dynamic")
paths=$(sed -n 's/.*(\(RUNPATH\|RPATH\)).*\[\(.*\)\]$/\1 \2/p' <<<"$dynamic")
[ -n "$paths" ] || { echo "PASS: $program has no library search path"; exit 0; }
if [ "$none" = --none ]; then
  echo "FAIL: $program carries a library search path: $paths" >&2
  exit 1
fi

failed=0
while read -r kind entries; do
  # Every entry, empty ones too: a leading, trailing or doubled ':' is one.
  IFS=: read -r -a list <<<"$entries:"
  empty=0
  for entry in "${list[@]}"; do
    case "$entry" in
      "") empty=$((empty + 1)); continue ;;
      /*) ;;
      *) echo "FAIL: $kind entry $entry is not a fixed folder" >&2
         failed=1; continue ;;
    esac
    holds=0
    for library in $needed; do
      [ -e "$entry/$library" ] && holds=1
    done
    if [ "$holds" -eq 0 ]; then
      echo "FAIL: $kind entry $entry holds none of the program's libraries" >&2
      failed=1
    fi
  done
  if [ "$empty" -gt 0 ]; then
    echo "FAIL: $kind has $empty empty entries (the working folder): [$entries]" >&2
    failed=1
  fi
done <<<"$paths"
[ "$failed" -eq 0 ] && echo "PASS: every search path entry of $program is needed"
exit "$failed"
