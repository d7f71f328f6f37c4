#!/usr/bin/env bash
# The real clock across the night the clocks spring forward in New York (2024-03-10,
# 01:59:59 EST is followed by 03:00:00 EDT), its time set by libfaketime a few seconds
# before the change: an alarm at 02:30, a minute that night leaves out, rings once, at
# the change. CTest runs it inside xvfb-run (tests/e2e/CMakeLists.txt).
#
#   spring_forward.sh EXECUTABLE DATA-FOLDER LIBFAKETIME [SCREENSHOT]
set -euo pipefail

executable=$1
data=$2
libfaketime=$3
screenshot=${4:-}
folder=$(mktemp -d)
pids=()
cleanup() {
    kill "${pids[@]}" 2>/dev/null || true
    sleep 0.3
    kill -9 "${pids[@]}" 2>/dev/null || true
    rm -rf "$folder"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    echo "the clock's output:" >&2
    cat "$folder/log" >&2
    exit 1
}

cp "$executable" "$folder/nekotokei"
cp "$data"/*.zdt "$folder/"
printf '1500,1500\r\n' >"$folder/fomit.zdt"
printf '0\r\n' >"$folder/set.zdt"
printf '1,0\r\n' >"$folder/set1.zdt"
printf '"02:30",1,"標準"," 表示 ","起きて"\r\n' >"$folder/alm.zdt"

export XDG_RUNTIME_DIR=$folder/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

# Only the wall clock is set: the timers keep real time, as they do across the change.
TZ=America/New_York FAKETIME="@2024-03-10 01:59:54" FAKETIME_DONT_FAKE_MONOTONIC=1 \
    LD_PRELOAD=$libfaketime "$folder/nekotokei" >"$folder/log" 2>&1 &
clock=$!
pids+=("$clock")
timeout 20 xdotool search --sync --onlyvisible --name '^nekotokei$' >/dev/null || fail "no clock window"
started=$SECONDS

messages() {
    xdotool search --onlyvisible --name '^ふわまる　ぽてりん$' 2>/dev/null || true
}

echo "before the change nothing rings"
[ -z "$(messages)" ] || fail "a message came before the change"

echo "at the change, 03:00 EDT, the 02:30 alarm rings"
message=$(timeout 20 xdotool search --sync --onlyvisible --name '^ふわまる　ぽてりん$' | head -n 1) ||
    fail "the 02:30 alarm did not ring"
elapsed=$((SECONDS - started))
[ "$elapsed" -ge 3 ] || fail "it rang $elapsed s after the start, before the change"
if [ -n "$screenshot" ]; then
    import -window root "$screenshot"
fi
wmctrl -i -c "$message"

echo "and it rings only once"
sleep 4
[ -z "$(messages)" ] || fail "the alarm rang again"
kill -0 "$clock" 2>/dev/null || fail "the clock ended"
kill -TERM "$clock"
wait "$clock" || fail "exit status $? after SIGTERM"
echo "the spring-forward night checks passed"
