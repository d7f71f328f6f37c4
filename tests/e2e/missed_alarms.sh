#!/usr/bin/env bash
# The real clock after real time ran 20 minutes on at once, as a stalled or suspended
# program sees it: libfaketime moves the wall clock and the clock since boot together
# (a relative offset, read again from a file). The 07:35 alarm, 15 minutes behind, rings
# no more and is listed in the notice of the alarms missed; the 07:45 alarm, within the
# ten minutes caught up, rings late below it. The notice is read over AT-SPI, as a screen
# reader reads it. CTest runs it inside xvfb-run (tests/e2e/CMakeLists.txt).
#
#   missed_alarms.sh EXECUTABLE DATA-FOLDER LIBFAKETIME PYTHON BUS-LAUNCHER [SCREENSHOT]
set -euo pipefail

executable=$1
data=$2
libfaketime=$3
python=$4
bus_launcher=$5
screenshot=${6:-}
source "$(dirname "$0")/session.sh"

copy_program "$executable" "$data"
printf '1500,1500\r\n' >"$folder/fomit.zdt"
printf '"07:35",1,"標準"," 表示 ","起きて"\r\n"07:45",1,"標準"," 表示 ","出発"\r\n' >"$folder/alm.zdt"

start_session_bus
"$bus_launcher" --launch-immediately >/dev/null 2>&1 &
pids+=($!)
start_window_manager
sleep 1

# The offset that makes the clock read 07:29:57 now, and the same 20 minutes on.
offset=$(($(date -u -d '2024-05-17 07:29:57' +%s) - $(date -u +%s)))
printf '%+d\n' "$offset" >"$folder/faketime"
start_clock TZ=UTC FAKETIME_TIMESTAMP_FILE="$folder/faketime" FAKETIME_NO_CACHE=1 \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LD_PRELOAD="$libfaketime"

echo "before the jump nothing rings"
sleep 2
[ -z "$(message_windows)" ] || fail "a message came before the jump"

echo "20 minutes pass at once: one notice lists the missed alarm, the late one rings below it"
printf '%+d\n' "$((offset + 20 * 60))" >"$folder/faketime"
find_message 20 >/dev/null || fail "no notice after the jump"
sleep 1
[ "$(message_windows | wc -l)" -eq 1 ] || fail "more than one message window"
if [ -n "$screenshot" ]; then
    import -window root "$screenshot"
fi
"$python" - <<'EOF' || fail "the notice does not read as meant"
import sys
import time

import pyatspi

expected = ["鳴らなかったアラーム\n7:35　起きて\n\n出発\n\n設定時刻  07：45"]
texts = None
end = time.time() + 15
while time.time() < end:
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or app.name != "nekotokei":
            continue
        for window in app:
            if window is not None and window.getRoleName() == "alert":
                stack = list(window)
                texts = []
                while stack:
                    obj = stack.pop()
                    if obj is None:
                        continue
                    if obj.getRoleName() == "label":
                        texts.append(obj.name)
                    stack.extend(obj)
    if texts == expected:
        print("the notice reads:", texts)
        sys.exit(0)
    time.sleep(0.2)
print("the notice reads", texts, "not", expected, file=sys.stderr)
sys.exit(1)
EOF

kill -0 "$clock" 2>/dev/null || fail "the clock ended"
kill -TERM "$clock"
wait "$clock" || fail "exit status $? after SIGTERM"
echo "the missed-alarm checks passed"
