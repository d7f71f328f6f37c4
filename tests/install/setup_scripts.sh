#!/usr/bin/env bash
# The README's two set-up commands on a machine that has none of the packages, with
# apt-get, dpkg-query, sudo, cmake and ctest played by stand-ins that only record what
# they are asked: scripts/run installs what building and running need, none of the test
# tools, builds only the program and starts it; scripts/test installs the test tools too,
# builds everything and runs ctest.
set -euo pipefail

source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A copy of the scripts, with a clock that only says it was started.
mkdir -p "$work/repo/build/bin" "$work/tools"
cp -r "$source/scripts" "$work/repo/"
printf '#!/bin/sh\necho started >>"%s/log"\n' "$work" >"$work/repo/build/bin/nekotokei"
for tool in apt-get cmake ctest; do
    printf '#!/bin/sh\necho "%s $*" >>"%s/log"\n' "$tool" "$work" >"$work/tools/$tool"
done
printf '#!/bin/sh\nexit 1\n' >"$work/tools/dpkg-query" # nothing is installed
printf '#!/bin/sh\nexec "$@"\n' >"$work/tools/sudo"
chmod +x "$work/tools/"* "$work/repo/build/bin/nekotokei"

# The packages scripts/deps names for the tests alone.
test_packages=$(sed -n '/^test_packages=(/,/^)/p' "$source/scripts/deps" | sed '1d;$d;s/#.*//' | tr -s ' \n' '\n' | sed '/^$/d')
[ -n "$test_packages" ] || fail "no test packages in scripts/deps"

run() { # script: runs it with the stand-ins, leaves what they were asked in $work/log
    : >"$work/log"
    PATH="$work/tools:$PATH" bash "$work/repo/scripts/$1" >/dev/null 2>&1 || fail "scripts/$1 failed: $(cat "$work/log")"
}
installed() { grep '^apt-get .*install' "$work/log" | tr ' ' '\n'; }

echo "scripts/run installs what the program needs, builds only it and starts it"
run run
installed | grep -qx qt6-base-dev || fail "scripts/run did not install qt6-base-dev: $(cat "$work/log")"
for package in $test_packages; do
    installed | grep -qx "$package" && fail "scripts/run installed the test package $package"
done
grep -q '^cmake .*-DNEKOTOKEI_BUILD_TESTS=OFF' "$work/log" || fail "the first configuration has the tests: $(cat "$work/log")"
grep -q '^cmake --build build --target nekotokei program_data$' "$work/log" ||
    fail "scripts/run built more than the program: $(cat "$work/log")"
[ "$(tail -1 "$work/log")" = started ] || fail "scripts/run did not start the clock: $(cat "$work/log")"

echo "scripts/test installs the test tools too, builds everything and runs ctest"
run test
for package in $test_packages qt6-base-dev; do
    installed | grep -qx "$package" || fail "scripts/test did not install $package"
done
grep -q '^cmake .*-DNEKOTOKEI_BUILD_TESTS=ON' "$work/log" || fail "scripts/test configured without the tests"
grep -q '^cmake --build build$' "$work/log" || fail "scripts/test did not build everything: $(cat "$work/log")"
grep -q '^ctest ' "$work/log" || fail "scripts/test ran no ctest"

echo "the set-up scripts checks passed"
