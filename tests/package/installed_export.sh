#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Debian package as a user meets it: builds it with dpkg-buildpackage, checks it with lintian,
# installs it with dpkg, opens a set-up through its file type as a file manager would, lets an
# unprivileged user with a home of its own export a picture with the installed program, and removes
# the package again. The program cannot write beside itself in /usr/bin, so the picture must land in
# that user's pictures folder. Runs only as root on Debian, where it can install.
set -euo pipefail
cd "$(dirname "$0")/../.."

skip() {
  echo "SKIP: the installed package is not tested: $*"
  exit 0
}
[ "$(id -u)" -eq 0 ] || skip "installing it needs root"
[ -f /etc/debian_version ] && command -v dpkg >/dev/null || skip "this is not Debian"
if dpkg-query -W -f='${Status}' vokarelo 2>/dev/null | grep -q 'install ok installed'; then
  skip "a vokarelo package is installed already, and this test would remove it"
fi

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The tests ran already, in the test command's own build of the same sources: the package is built
# without them (scripts/clean-build builds it with them, in a clean Debian).
package=$(DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:+$DEB_BUILD_OPTIONS }nocheck" bash scripts/package)
[ -f "$package" ] || fail "no package was made"
case "$(basename "$package")" in
  vokarelo_*_amd64.deb) ;;
  *) fail "the package is named $(basename "$package")" ;;
esac

# Errors and warnings fail the test; notes are printed for whoever reads the log.
lintian_report=$(lintian --pedantic "$package" 2>&1 | grep -v 'running with root privileges' || true)
[ -z "$lintian_report" ] || echo "$lintian_report"
if grep -q '^[EW]:' <<<"$lintian_report"; then
  fail "lintian reports errors or warnings"
fi

# Installed and removed as a user would, with apt, which waits for another package manager's run.
apt_get() {
  DEBIAN_FRONTEND=noninteractive apt-get -qq -y -o DPkg::Lock::Timeout=300 "$@" >/dev/null
}
home=$(mktemp -d)
trap 'apt_get remove vokarelo 2>/dev/null || true; rm -rf "$home"' EXIT
apt_get install --no-install-recommends "$package" || fail "apt could not install $package"
[ -x /usr/bin/vokarelo ] || fail "/usr/bin/vokarelo is not installed"
for size in 16 32 48 64 128 256; do
  [ -f "/usr/share/icons/hicolor/${size}x${size}/apps/vokarelo.png" ] || fail "no ${size}px icon"
done
man -w vokarelo >/dev/null || fail "man does not find vokarelo(1)"
grep -q '^License: Expat$' /usr/share/doc/vokarelo/copyright || fail "the copyright file names no licence"
if readelf -d /usr/bin/vokarelo | grep -E '\((RUNPATH|RPATH)\)' >/dev/null; then
  fail "the installed program carries a library search path"
fi

chown nobody "$home"
chmod 700 "$home"
# Runs a command as that user, in its home, with nothing of root's environment.
as_user() {
  (cd "$home" && runuser -u nobody -- env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 "$@")
}

# The file type: the package's triggers registered it, and a file manager's open (xdg-open, on a
# desktop of nobody in particular) starts the installed program on the set-up, whose save line
# writes its picture beside it.
mkdir "$home/setups"
printf 'Text3 = 13912345678\nCommand6\nsave opened.png\n' >"$home/setups/call.vks"
chown -R nobody "$home/setups"
type=$(as_user xdg-mime query filetype "$home/setups/call.vks")
[ "$type" = application/x-vokarelo-setup ] || fail "a .vks file is $type"
default=$(as_user xdg-mime query default application/x-vokarelo-setup)
[ "$default" = vokarelo.desktop ] || fail "set-ups open with '$default'"
as_user xvfb-run -a -s "-nolisten tcp -noreset" bash -c '
  # From the folder of the set-up, where its save line names the picture.
  cd "${1%/*}"
  # setsid: the opener and the program it starts form one group, ended together.
  setsid xdg-open "$1" >"$HOME/open.log" 2>&1 &
  opener=$!
  for _ in $(seq 1 300); do
    [ -s "$2" ] && break
    sleep 0.2
  done
  kill -- "-$opener" 2>/dev/null || true
' opening "$home/setups/call.vks" "$home/setups/opened.png" ||
  fail "could not open the set-up under Xvfb"
[ "$(identify -format '%m %wx%h' "$home/setups/opened.png" 2>/dev/null)" = "PNG 524x854" ] ||
  fail "opening the set-up wrote no 524x854 picture beside it; the opener said: $(cat "$home/open.log")"

out=$(printf 'Text3 = 13912345678\nCommand6\nImage2\n' | as_user /usr/bin/vokarelo --script - 2>&1) ||
  fail "the installed program failed: $out"
picture="$home/Pictures/Vokarelo/13912345678.jpg"
[ -f "$picture" ] || fail "no picture in the user's pictures folder; the program said: $out"
[ "$(stat -c %U "$picture")" = nobody ] || fail "the picture is not the user's own"
[ "$(identify -format '%m %wx%h' "$picture")" = "JPEG 524x854" ] || fail "the picture is not a 524x854 JPEG"
grep -qF "图片$picture已保存" <<<"$out" || fail "the message does not name the path: $out"
[ ! -e /usr/bin/13912345678.jpg ] || fail "the picture was written beside the program"

apt_get remove vokarelo || fail "apt could not remove the package"
[ ! -e /usr/bin/vokarelo ] || fail "the package did not remove /usr/bin/vokarelo"
[ -z "$(as_user xdg-mime query default application/x-vokarelo-setup)" ] ||
  fail "set-ups still open with a removed program"
echo "PASS: a set-up opens through its file type; the installed program saves into $picture"
