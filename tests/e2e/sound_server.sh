# Sourced by the end-to-end scripts that listen: a private PulseAudio in $XDG_RUNTIME_DIR
# whose only output is a null sink, "room", recorded from its monitor.

# start_sound_server LOG: starts the server and waits until it answers.
start_sound_server() {
    export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse/native"
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
        --load="module-null-sink sink_name=room" --load=module-native-protocol-unix >"$1" 2>&1 &
    sound_server=$!
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && return 0; sleep 0.2; done
    echo "FAIL: the sound server did not start: $(cat "$1")" >&2
    return 1
}

# start_recording FILE: records what the room hears, raw 16-bit mono at 44.1 kHz, as
# heard_sound reads it; $recorder is the recording's process.
start_recording() {
    parec -d room.monitor --raw --format=s16le --rate=44100 --channels=1 --latency-msec=20 >"$1" &
    recorder=$!
}

# stop_recording: ends the recording started last.
stop_recording() {
    kill "$recorder"
    wait "$recorder" 2>/dev/null || true
}
