#!/usr/bin/env bash
# The Debian package as a user meets it: builds it, checks it with lintian, installs it with dpkg,
# lets an unprivileged user with a home of its own export a picture with the installed program, and
# removes the package again. The program cannot write beside itself in /usr/bin, so the picture
# must land in that user's pictures folder. Runs only as root on Debian, where it can install.
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

package=$(bash scripts/package)
[ -f "$package" ] || fail "no package was made"
case "$(basename "$package")" in
  vokarelo_*_amd64.deb) ;;
  *) fail "the package is named $(basename "$package")" ;;
esac

# Errors fail the test; warnings and notes are printed for whoever reads the log.
lintian_report=$(lintian --pedantic "$package" 2>&1 | grep -v 'running with root privileges' || true)
[ -z "$lintian_report" ] || echo "$lintian_report"
if grep -q '^E:' <<<"$lintian_report"; then
  fail "lintian reports errors"
fi

home=$(mktemp -d)
trap 'dpkg -r vokarelo >/dev/null 2>&1 || true; rm -rf "$home"' EXIT
dpkg -i "$package" >/dev/null
[ -x /usr/bin/vokarelo ] || fail "/usr/bin/vokarelo is not installed"
for size in 16 32 48 64 128 256; do
  [ -f "/usr/share/icons/hicolor/${size}x${size}/apps/vokarelo.png" ] || fail "no ${size}px icon"
done
man -w vokarelo >/dev/null || fail "man does not find vokarelo(1)"
if readelf -d /usr/bin/vokarelo | grep -E '\((RUNPATH|RPATH)\)' >/dev/null; then
  fail "the installed program carries a library search path"
fi

chown nobody "$home"
chmod 700 "$home"
out=$(cd "$home" && printf 'Text3 = 13912345678\nCommand6\nImage2\n' |
  runuser -u nobody -- env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 \
    /usr/bin/vokarelo --script - 2>&1) || fail "the installed program failed: $out"
picture="$home/Pictures/Vokarelo/13912345678.jpg"
[ -f "$picture" ] || fail "no picture in the user's pictures folder; the program said: $out"
[ "$(stat -c %U "$picture")" = nobody ] || fail "the picture is not the user's own"
[ "$(identify -format '%m %wx%h' "$picture")" = "JPEG 524x854" ] || fail "the picture is not a 524x854 JPEG"
grep -qF "图片$picture已保存" <<<"$out" || fail "the message does not name the path: $out"
[ ! -e /usr/bin/13912345678.jpg ] || fail "the picture was written beside the program"

dpkg -r vokarelo >/dev/null
[ ! -e /usr/bin/vokarelo ] || fail "the package did not remove /usr/bin/vokarelo"
echo "PASS: the installed program saves into $picture"
