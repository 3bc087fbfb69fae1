#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a scratch prefix, as a desktop sees it, and checks what the desktop reads:
# the menu entry and the AppStream metadata pass their validators, and a file named *.vks is a
# set-up, which the menu entry opens. Needs desktop-file-utils, appstream, shared-mime-info,
# xdg-utils and libfile-mimeinfo-perl (scripts/install-deps test).
set -euo pipefail
build=$1
source_dir=$(cd "$(dirname "$0")/../.." && pwd)

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
for tool in desktop-file-validate appstreamcli update-mime-database update-desktop-database \
  xdg-mime mimetype; do
  command -v "$tool" >/dev/null || fail "$tool is missing: bash scripts/install-deps test"
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/usr
cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share

report=$(desktop-file-validate "$share/applications/vokarelo.desktop" 2>&1) ||
  fail "the menu entry does not validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
metainfo=("$share"/metainfo/*.metainfo.xml)
[ ${#metainfo[@]} -eq 1 ] && [ -f "${metainfo[0]}" ] || fail "not one metainfo file: ${metainfo[*]}"
report=$(appstreamcli validate --no-net "${metainfo[0]}" 2>&1) ||
  fail "the AppStream metadata does not validate: $report"
grep -q '<launchable type="desktop-id">vokarelo.desktop</launchable>' "${metainfo[0]}" ||
  fail "the AppStream metadata does not launch the menu entry"

# What a package's triggers do on a real system, done to the scratch prefix; a desktop of nobody in
# particular (no settings, no user data) then looks only there.
update-mime-database "$share/mime"
update-desktop-database "$share/applications"
export XDG_DATA_DIRS=$share XDG_DATA_HOME=$scratch/data XDG_CONFIG_HOME=$scratch/config
export XDG_CURRENT_DESKTOP= DESKTOP_SESSION= KDE_FULL_SESSION= GNOME_DESKTOP_SESSION_ID=
mkdir "$scratch/files"
while read -r name expected; do
  cp "$source_dir/examples/missed_call.vks" "$scratch/files/$name"
  type=$(xdg-mime query filetype "$scratch/files/$name")
  [ "$type" = "$expected" ] || fail "$name is $type, expected $expected"
done <<'TABLE'
missed_call.vks application/x-vokarelo-setup
SHOUTED.VKS application/x-vokarelo-setup
notes.vks.txt text/plain
TABLE

default=$(xdg-mime query default application/x-vokarelo-setup)
[ "$default" = vokarelo.desktop ] || fail "set-ups open with '$default', not vokarelo.desktop"
echo "PASS"
