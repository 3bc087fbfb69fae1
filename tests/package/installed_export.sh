#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Debian package as a user meets it: builds it with dpkg-buildpackage (or keeps the last one
# when nothing it is made from has changed), checks it with lintian, installs it and runs its
# autopkgtests on this machine (autopkgtest's null runner): a set-up opened through its file type,
# a picture exported by an unprivileged user. Then removes the package again. Runs only as root
# on Debian, where it can install.
#
# The autopkgtest of the end-to-end tests (debian/tests/end-to-end) builds their helper programs
# anew and runs the tests that scripts/test has just run on the same sources; it runs here too
# when VOKARELO_PACKAGE_TESTS=all.
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
logs=$PWD/build-logs
mkdir -p "$logs"
package=$(DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:+$DEB_BUILD_OPTIONS }nocheck" \
            bash scripts/package --reuse --log "$logs/package-build.log") ||
  fail "the package build failed; its output is in $logs/package-build.log"
[ -f "$package" ] || fail "no package was made"
case "$(basename "$package")" in
  vokarelo_*_amd64.deb) ;;
  *) fail "the package is named $(basename "$package")" ;;
esac

# Errors and warnings fail the test; notes are printed for whoever reads the log.
echo "checking the package with lintian --pedantic"
lintian_report=$(lintian --pedantic "$package" 2>&1 | grep -v 'running with root privileges' || true)
[ -z "$lintian_report" ] || echo "$lintian_report"
if grep -q '^[EW]:' <<<"$lintian_report"; then
  fail "lintian reports errors or warnings"
fi

# Installed and removed as a user would, with apt, which waits for another package manager's run.
apt_get() {
  DEBIAN_FRONTEND=noninteractive apt-get -q -y -o DPkg::Lock::Timeout=300 "$@" |
    grep -E '^(Setting up|Removing) vokarelo' || true
}
work=$(mktemp -d)
trap 'apt_get remove vokarelo 2>/dev/null; rm -rf "$work"' EXIT

# autopkgtest copies the tree it is given: the package's sources, not the build folders.
bash scripts/source-files "$work/source"
tests=(--test-name installed-export)
[ "${VOKARELO_PACKAGE_TESTS:-}" = all ] && tests=()
echo "running the package's autopkgtests on this machine (${VOKARELO_PACKAGE_TESTS:-installed-export})"
# The null runner installs the package given, with the tests' Depends, here.
status=0
autopkgtest --no-built-binaries --output-dir "$work/results" "${tests[@]}" "$package" \
  "$work/source/" -- null >"$logs/autopkgtest.log" 2>&1 || status=$?
cp "$work/results/summary" "$logs/autopkgtest-summary" 2>/dev/null || true
sed 's/^/autopkgtest: /' "$logs/autopkgtest-summary" 2>/dev/null || true
((status == 0)) || fail "autopkgtest ended with status $status; its output is in $logs/autopkgtest.log"
dpkg-query -W -f='${Status}' vokarelo 2>/dev/null | grep -q 'install ok installed' ||
  fail "autopkgtest did not install the package"

apt_get remove vokarelo
[ ! -e /usr/bin/vokarelo ] || fail "the package did not remove /usr/bin/vokarelo"
chmod 711 "$work"
mkdir -m 700 "$work/home"
chown nobody "$work/home"
default=$(cd "$work/home" && runuser -u nobody -- env -i HOME="$work/home" PATH=/usr/bin:/bin \
            xdg-mime query default application/x-vokarelo-setup)
[ -z "$default" ] || fail "set-ups still open with a removed program ($default)"
echo "PASS: the package installs, passes lintian and its autopkgtests, and is removed"
