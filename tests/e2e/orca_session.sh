#!/usr/bin/env bash
# Hears the real clock through Orca itself: Orca (its debug log says what it speaks)
# with speech-dispatcher and espeak-ng playing into a null sink of a private PulseAudio,
# on a private session bus and accessibility bus, with a HOME of its own holding a
# minimal Orca settings file. orca_session.py drives the keyboard with xdotool and checks
# what Orca said. Run inside an X server with a window manager (scripts/orca-session).
#
#   orca_session.sh EXECUTABLE DATA-FOLDER
set -euo pipefail

executable=$1
data=$2
here=$(dirname "$0")
source "$here/session.sh"

copy_program "$executable" "$data"
printf '0\r\n' >"$folder/set.zdt"        # not in front
printf '1,0\r\n' >"$folder/set1.zdt"     # second hand on, no tray icon
printf '0,255,0\r\n' >"$folder/set3.zdt" # an analog design
# One alarm set far from now, one that rings in two or three minutes, as the session ends.
at=$(date -d '+12 hours' +%H:%M)
ringing=$(date -d '+3 minutes' +%H:%M)
printf '"%s",1,"標準"," 表示 ","起きて"\r\n"%s",1,"標準"," 表示 ","ねこの時間です"\r\n' "$at" "$ringing" >"$folder/alm.zdt"

start_session_bus
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
start_window_manager

# Speech goes to a sink that plays nowhere.
export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse/native"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
    --load="module-null-sink sink_name=nowhere" --load=module-native-protocol-unix >"$folder/pulse.log" 2>&1 &
pids+=($!)
poll 10 pactl info >/dev/null 2>&1 || fail "the sound server did not start"

export HOME=$folder/home
mkdir -p "$HOME/.local/share/orca"
cat >"$HOME/.local/share/orca/user-settings.conf" <<'SETTINGS'
{
    "general": {
        "enableSpeech": true,
        "enableBraille": false,
        "enableSound": false,
        "speechServerFactory": "speechdispatcherfactory",
        "enableTutorialMessages": false,
        "startingProfile": ["Default", "default"],
        "activeProfile": ["Default", "default"],
        "profile": ["Default", "default"]
    },
    "pronunciations": {},
    "keybindings": {},
    "profiles": {"default": {"profile": ["Default", "default"]}}
}
SETTINGS
logs+=("$folder/orca.log")
/usr/bin/python3 "$here/orca_launcher.py" --debug-file="$folder/orca.log" >"$folder/orca.out" 2>&1 &
pids+=($!)

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$folder/nekotokei" >"$folder/log" 2>&1 &
pids+=($!)

status=0
/usr/bin/python3 "$here/orca_session.py" "$folder" "$at" "$ringing" || status=$?
# ORCA_LOG=FILE keeps Orca's whole log.
[ -z "${ORCA_LOG:-}" ] || cp "$folder/orca.log" "$ORCA_LOG"
if [ "$status" -ne 0 ]; then
    for log in "$folder/log" "$folder/orca.out"; do
        echo "$(basename "$log"):" >&2
        cat "$log" >&2
    done
    echo "the end of orca.log:" >&2
    tail -n 40 "$folder/orca.log" >&2 || true
fi
exit "$status"
