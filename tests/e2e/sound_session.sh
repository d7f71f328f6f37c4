#!/usr/bin/env bash
# The alarms' sounds heard through a real sound server: a private PulseAudio with a
# null sink, recorded from its monitor with parec while the real clock rings one alarm
# without a message (so that only the alarm itself can make a sound). Three alarms in
# turn: the standard sound, a 24-bit stereo and a 32-bit mono wave file as sox writes
# them (extensible headers). Each is heard whole, as loud and at the pitch the file
# holds, compared by heard_sound with a plain 16-bit copy made by sox (the monitor's
# recording misses the first 20 ms or so of a sound after silence, whoever plays it).
# CTest runs it inside xvfb-run.
#
#   sound_session.sh NEKOTOKEI DATA HEARD_SOUND STANDARD.wav
set -euo pipefail

executable=$1
data=$2
heard_sound=$3
standard=$4
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; wait 2>/dev/null; rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/sound_server.sh"

export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
start_sound_server "$work/pulse.log" || exit 1

# One second of a tone at -6 dBFS, and its plain 16-bit mono copy to compare with.
sox -n -b 24 -c 2 -r 48000 "$work/tone24.wav" synth 1 sine 523.25 gain -6
sox -n -b 32 -c 1 -r 44100 "$work/tone32.wav" synth 1 sine 659.25 gain -6
sox -n -t wavpcm -b 16 -c 1 -r 48000 "$work/tone24-meant.wav" synth 1 sine 523.25 gain -6
sox -n -t wavpcm -b 16 -c 1 -r 44100 "$work/tone32-meant.wav" synth 1 sine 659.25 gain -6

ring() { # name sound meant: rings an alarm of that sound and compares what was heard
    local folder="$work/$1"
    mkdir "$folder"
    cp "$executable" "$(dirname "$executable")"/libnekotokei-sound.so "$folder/"
    cp "$data"/*.zdt "$folder/"
    # An alarm in the minute the clock starts in rings at its first tick; not too near
    # the minute's end, so that it is still that minute then.
    while [ "$((10#$(date +%S)))" -ge 50 ]; do sleep 1; done
    printf '"%s",1,"%s","非表示","m"\r\n' "$(date +%H:%M)" "$2" >"$folder/alm.zdt"
    start_recording "$work/$1.raw"
    sleep 0.5
    "$folder/nekotokei" >"$work/$1.log" 2>&1 &
    local clock=$!
    sleep 4
    kill -0 "$clock" 2>/dev/null || fail "$1: the clock ended early: $(cat "$work/$1.log")"
    kill -TERM "$clock"
    wait "$clock" || fail "$1: the clock ended with status $?"
    stop_recording
    echo "$1:"
    "$heard_sound" "$work/$1.raw" "$3" | sed 's/^/  /' || fail "$1: not heard as meant"
}

# The audio system is loaded at the first sound: a clock with no alarm holds none of it.
idle="$work/idle"
mkdir "$idle"
cp "$executable" "$(dirname "$executable")"/libnekotokei-sound.so "$data"/*.zdt "$idle/"
printf '' >"$idle/alm.zdt"
"$idle/nekotokei" >"$work/idle.log" 2>&1 &
clock=$!
sleep 3
kill -0 "$clock" 2>/dev/null || fail "idle: the clock ended early: $(cat "$work/idle.log")"
loaded=$(grep -oE 'lib(Qt6Multimedia|pulse)[^/]*$' "/proc/$clock/maps" | sort -u | tr '\n' ' ' || true)
kill -TERM "$clock"
wait "$clock" || fail "idle: the clock ended with status $?"
[ -z "$loaded" ] || fail "idle: the clock holds the audio system before any sound: $loaded"
echo "idle: no audio library loaded"

ring standard 標準 "$standard"
ring 24-bit "$work/tone24.wav" "$work/tone24-meant.wav"
ring 32-bit "$work/tone32.wav" "$work/tone32-meant.wav"
echo "every sound was heard as meant"
