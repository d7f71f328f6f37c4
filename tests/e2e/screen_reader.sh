#!/usr/bin/env bash
# Reads the real clock the way a screen reader does: over a real accessibility bus
# (at-spi2-core's bus launcher, with its registry started on that bus), on a private
# session bus, from another process (screen_reader.py with pyatspi). CTest runs it
# inside xvfb-run (tests/e2e/CMakeLists.txt).
#
#   screen_reader.sh EXECUTABLE DATA-FOLDER PYTHON BUS-LAUNCHER
set -euo pipefail

executable=$1
data=$2
python=$3
bus_launcher=$4
here=$(dirname "$0")
folder=$(mktemp -d)
pids=()
cleanup() {
    # Asked first, so that the bus launcher takes its bus along; then made to.
    kill "${pids[@]}" 2>/dev/null || true
    sleep 0.5
    kill -9 "${pids[@]}" 2>/dev/null || true
    rm -rf "$folder"
}
trap cleanup EXIT

cp "$executable" "$folder/nekotokei"
cp "$data"/*.zdt "$folder/"
printf '0\r\n' >"$folder/set.zdt"      # not in front: the program's windows come above the clock alike
printf '1,0\r\n' >"$folder/set1.zdt"   # second hand on, no tray icon
printf '0,255,0\r\n' >"$folder/set3.zdt" # an analog design
# One alarm, set far from now so that it does not ring: the bell shows.
at=$(date -d '+12 hours' +%H:%M)
printf '"%s",1,"標準"," 表示 ","起きて"\r\n' "$at" >"$folder/alm.zdt"

# Everything on buses of its own, found through a runtime folder of its own.
export XDG_RUNTIME_DIR=$folder/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$folder/bus" 4>"$folder/bus.pid"
pids+=("$(cat "$folder/bus.pid")")
export DBUS_SESSION_BUS_ADDRESS
DBUS_SESSION_BUS_ADDRESS=$(cat "$folder/bus")
"$bus_launcher" --launch-immediately >/dev/null 2>&1 &
pids+=($!)
openbox >/dev/null 2>&1 &
pids+=($!)

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$folder/nekotokei" >"$folder/log" 2>&1 &
pids+=($!)

status=0
"$python" "$here/screen_reader.py" "$folder" "$at" || status=$?
[ "$status" -eq 0 ] || { echo "the clock's output:" >&2; cat "$folder/log" >&2; }
exit "$status"
