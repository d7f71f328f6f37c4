#!/usr/bin/env bash
# The real clock snoozed through its message window's button, heard through a private
# PulseAudio: an alarm of the standard sound rings with its message at 07:30 (the wall
# clock set by libfaketime a few seconds before), the snooze button is clicked, nothing
# rings for the snooze length (one minute, from options.ini), then the alarm rings again,
# sound and message, and the close button ends it. Each sound is compared by
# heard_sound with the standard sound. CTest runs it inside xvfb-run.
#
#   snooze_session.sh EXECUTABLE DATA-FOLDER LIBFAKETIME HEARD_SOUND STANDARD.wav [SCREENSHOT]
set -euo pipefail

executable=$1
data=$2
libfaketime=$3
heard_sound=$4
standard=$5
screenshot=${6:-}
source "$(dirname "$0")/session.sh"
source "$(dirname "$0")/sound_server.sh"

copy_program "$executable" "$data"
cp "$(dirname "$executable")"/libnekotokei-sound.so "$folder/"
printf '1500,1500\r\n' >"$folder/fomit.zdt"
printf '"07:30",1,"標準"," 表示 ","起きて"\r\n' >"$folder/alm.zdt"
printf '[snooze]\nminutes=1\n' >"$folder/options.ini"

start_session_bus
start_sound_server "$folder/pulse.log" || fail "no sound server"
logs+=("$folder/pulse.log")
start_window_manager
sleep 1

# heard WHAT RECORDING: the recording holds the standard sound, whole.
heard() {
    echo "$1:"
    "$heard_sound" "$2" "$standard" | sed 's/^/  /' || fail "$1: not heard as meant"
}
# click_button WINDOW X Y: a click at a point of a window.
click_button() {
    local left top
    read -r left top < <(top_left "$1")
    xdotool mousemove "$((left + $2))" "$((top + $3))" click 1
}
no_message() { [ -z "$(message_windows)" ]; }

start_recording "$folder/first.raw"
sleep 0.5
# Only the wall clock is set: the timers keep real time.
start_clock TZ=UTC FAKETIME="@2024-05-17 07:29:56" FAKETIME_DONT_FAKE_MONOTONIC=1 LD_PRELOAD="$libfaketime"

echo "at 07:30 the alarm rings with its message"
message=$(find_message 20) || fail "the alarm did not ring"
sleep 3
stop_recording
heard "first ring" "$folder/first.raw"
if [ -n "$screenshot" ]; then
    import -window root "$screenshot"
fi

echo "its snooze button closes the message"
click_button "$message" 196 72
poll 5 no_message || fail "the message stayed after the snooze button"
snoozed=$SECONDS
grep -q '^alarms\\1\\due=2024-05-17T07:3' "$folder/options.ini" ||
    fail "the snooze is not kept: $(cat "$folder/options.ini")"

echo "nothing rings for the snooze length"
sleep 50
no_message || fail "the alarm rang again $((SECONDS - snoozed)) s after the snooze"
start_recording "$folder/second.raw"

echo "then it rings again, sound and message"
message=$(find_message 20) || fail "the snoozed alarm did not ring again"
elapsed=$((SECONDS - snoozed))
[ "$elapsed" -ge 58 ] && [ "$elapsed" -le 62 ] || fail "it rang again after $elapsed s, not a minute"
sleep 3
stop_recording
heard "second ring" "$folder/second.raw"
grep -q 'due=' "$folder/options.ini" && fail "the snooze is still kept after it rang: $(cat "$folder/options.ini")"

echo "its close button ends it"
click_button "$message" 120 72
poll 5 no_message || fail "the message stayed after the close button"
kill -0 "$clock" 2>/dev/null || fail "the clock ended"
kill -TERM "$clock"
wait "$clock" || fail "exit status $? after SIGTERM"
echo "the snooze checks passed"
