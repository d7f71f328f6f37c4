#!/usr/bin/env bash
# Checks a Windows package's folder (the unzipped zip, the MSI's files): the read-me and
# the licence at its top, and for every DLL in it a notice in licences/ that names it on
# its 対象のファイル line.
#
#   windows_package.sh FOLDER
set -euo pipefail

folder=$1
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

for shipped in nekotokei.exe README.txt LICENSE.txt; do
    [ -f "$folder/$shipped" ] || fail "the package holds no $shipped"
done
covered=$(sed -n 's/^対象のファイル: //p' "$folder"/licences/*.txt 2>/dev/null | tr ' ' '\n')
dlls=$(cd "$folder" && find . -iname '*.dll' -printf '%f\n')
[ -n "$dlls" ] || fail "the package holds no DLL"
for dll in $dlls; do
    grep -qixF "$dll" <<<"$covered" || fail "$dll has no notice in licences/"
done
[ $status -eq 0 ] && echo "every DLL of $folder has its notice"
exit $status
