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
source "$here/session.sh"

copy_program "$executable" "$data"
printf '0\r\n' >"$folder/set.zdt"      # not in front: the program's windows come above the clock alike
printf '1,0\r\n' >"$folder/set1.zdt"   # second hand on, no tray icon
printf '0,255,0\r\n' >"$folder/set3.zdt" # an analog design
# One alarm, set far from now so that it does not ring: the bell shows.
at=$(date -d '+12 hours' +%H:%M)
printf '"%s",1,"標準"," 表示 ","起きて"\r\n' "$at" >"$folder/alm.zdt"

# Everything on buses of its own, found through a runtime folder of its own.
start_session_bus
"$bus_launcher" --launch-immediately >/dev/null 2>&1 &
pids+=($!)
start_window_manager

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$folder/nekotokei" >"$folder/log" 2>&1 &
pids+=($!)

status=0
"$python" "$here/screen_reader.py" "$folder" "$at" || status=$?
[ "$status" -eq 0 ] || { echo "the clock's output:" >&2; cat "$folder/log" >&2; }
exit "$status"
