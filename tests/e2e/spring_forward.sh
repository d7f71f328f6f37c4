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
source "$(dirname "$0")/session.sh"

copy_program "$executable" "$data"
printf '1500,1500\r\n' >"$folder/fomit.zdt"
printf '0\r\n' >"$folder/set.zdt"
printf '1,0\r\n' >"$folder/set1.zdt"
printf '"02:30",1,"標準"," 表示 ","起きて"\r\n' >"$folder/alm.zdt"

start_session_bus
start_window_manager
sleep 1
# Only the wall clock is set: the timers keep real time, as they do across the change.
start_clock TZ=America/New_York FAKETIME="@2024-03-10 01:59:54" FAKETIME_DONT_FAKE_MONOTONIC=1 \
    LD_PRELOAD="$libfaketime"
started=$SECONDS


echo "before the change nothing rings"
[ -z "$(message_windows)" ] || fail "a message came before the change"

echo "at the change, 03:00 EDT, the 02:30 alarm rings"
message=$(find_message 20) ||
    fail "the 02:30 alarm did not ring"
elapsed=$((SECONDS - started))
[ "$elapsed" -ge 3 ] || fail "it rang $elapsed s after the start, before the change"
if [ -n "$screenshot" ]; then
    import -window root "$screenshot"
fi
wmctrl -i -c "$message"

echo "and it rings only once"
sleep 4
[ -z "$(message_windows)" ] || fail "the alarm rang again"
kill -0 "$clock" 2>/dev/null || fail "the clock ended"
kill -TERM "$clock"
wait "$clock" || fail "exit status $? after SIGTERM"
echo "the spring-forward night checks passed"
