#!/usr/bin/env bash
# Builds the Debian package from the build tree into a throw-away folder and checks it:
# a program under /usr, dependencies taken from the libraries it links, and no error
# from lintian (its warnings are printed).
set -euo pipefail

build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/log" 2>&1 || fail "cpack: $(cat "$work/log")"
package=$(ls "$work"/nekotokei_*.deb)

dpkg-deb -c "$package" >"$work/contents"
grep -q ' \./usr/bin/nekotokei$' "$work/contents" || fail "no /usr/bin/nekotokei in the package"
depends=$(dpkg-deb -f "$package" Depends)
for library in libqt6widgets6 libqt6multimedia6 libc6 fonts-ipafont-gothic qt6-translations-l10n; do
    grep -q "\b$library\b" <<<"$depends" || fail "Depends lacks $library: $depends"
done

status=0
lintian --fail-on error --tag-display-limit 0 "$package" >"$work/lintian" 2>&1 || status=$?
grep -v 'running with root privileges' "$work/lintian" || true
[ "$status" -eq 0 ] || fail "lintian reports errors"
echo "the package checks passed"
