#!/usr/bin/env bash
# The clock on a Wayland compositor with no X server (weston, headless): it starts on
# Qt's Wayland platform by itself, shows only the cat (the pixels outside it are
# transparent, not the key colour), and ends on SIGTERM without storing the position
# that Wayland reports, 0,0. CTest runs it (tests/e2e/CMakeLists.txt).
set -euo pipefail

executable=$1
data=$2
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

folder=$work/clock
mkdir -p "$folder" "$work/runtime"
chmod 700 "$work/runtime"
cp "$executable" "$data"/*.zdt "$folder/"
printf '7680,4500\r\n' >"$folder/fomit.zdt"
export XDG_RUNTIME_DIR=$work/runtime WAYLAND_DISPLAY=wayland-clock-test
unset DISPLAY QT_QPA_PLATFORM

(cd "$work" && exec weston --backend=headless-backend.so --use-pixman --debug --socket="$WAYLAND_DISPLAY" \
    --idle-time=0 --width=400 --height=300 >"$work/weston.log" 2>&1) &
for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || fail "weston did not start: $(cat "$work/weston.log")"

echo "the clock starts on Wayland alone"
"$folder/nekotokei" >"$folder/log" 2>&1 &
clock=$!
sleep 3
kill -0 "$clock" 2>/dev/null || fail "the clock ended: $(cat "$folder/log")"
grep -q 'libqwayland' "/proc/$clock/maps" || fail "the clock is not on Qt's Wayland platform"

echo "only the cat shows"
(cd "$work" && weston-screenshooter >/dev/null 2>&1) || fail "no screenshot"
shot=$(ls "$work"/wayland-screenshot-*.png)
convert "$shot" txt:"$work/pixels.txt"
# The designs' key colour (tools/artgen/palette.h).
key=$(grep -c -i '#FE01FE' "$work/pixels.txt" || true)
[ "$key" -eq 0 ] || fail "$key pixels of the key colour show around the cat"
# The cat is there: the screenshot holds its white dial.
grep -q -i '#FFFFFF' "$work/pixels.txt" || fail "no clock in the screenshot"

echo "SIGTERM ends it and the stored position stays"
kill -TERM "$clock"
wait "$clock" || fail "exit status $? after SIGTERM"
[ "$(tr -d '\r\n' <"$folder/fomit.zdt")" = "7680,4500" ] || fail "the position became $(cat "$folder/fomit.zdt")"

echo "all Wayland checks passed"
