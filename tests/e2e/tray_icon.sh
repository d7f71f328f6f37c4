#!/usr/bin/env bash
# The clock's icon in an X11 system tray that comes after the clock: none while there is
# no tray, in the tray once it starts, a left and a right click on it open the menu, back
# after the tray restarts, gone when switched off in the settings window. On a private
# session bus without a StatusNotifier watcher, as on a desktop whose panel is an X11
# one. CTest runs it inside xvfb-run (tests/e2e/CMakeLists.txt).
#
#   tray_icon.sh EXECUTABLE DATA-FOLDER TRAY [SCREENSHOT]
#
# TRAY is the tray's command line (trayer with its options).
set -euo pipefail

executable=$1
data=$2
tray_command=$3
screenshot=${4:-}
source "$(dirname "$0")/session.sh"

copy_program "$executable" "$data"
printf '1500,1500\r\n' >"$folder/fomit.zdt"
printf '0\r\n' >"$folder/set.zdt"
printf '1,1\r\n' >"$folder/set1.zdt" # second hand on, tray icon on

start_session_bus
start_window_manager
sleep 1
start_clock

# The window of the clock's own process that the tray has taken in, if any.
icon_in_tray() {
    local tray window
    for tray in $(xdotool search --pid "$tray_pid" 2>/dev/null); do
        xwininfo -tree -id "$tray" 2>/dev/null | awk '/^ +0x/{print $1}'
    done | while read -r window; do
        [ "$(xprop -id "$window" _NET_WM_PID 2>/dev/null | awk '{print $3}')" = "$clock" ] && echo "$window"
    done | head -n 1
}

wait_for_icon() {
    for _ in $(seq 50); do
        icon=$(icon_in_tray)
        [ -n "$icon" ] && return 0
        sleep 0.2
    done
    return 1
}

start_tray() {
    $tray_command >/dev/null 2>&1 &
    tray_pid=$!
    pids+=("$tray_pid")
}

stop_tray() {
    kill "$tray_pid"
    wait "$tray_pid" 2>/dev/null || true
}

# Clicks the icon with a button and picks 製品情報 from the menu that opens.
menu_from_icon() {
    read -r x y < <(top_left "$icon")
    local shown
    shown=$(visible_windows)
    xdotool mousemove $((x + 8)) $((y + 8)) click "$1"
    wait_for_more_windows "$shown" || fail "button $1 on the icon opened no menu"
    xdotool key Down Down Return
    product=$(find_window '^製品情報$' 10) ||
        fail "button $1 on the icon opened no menu"
    wmctrl -i -c "$product"
    sleep 0.5
}

echo "no tray yet: the clock runs without an icon and says nothing"
sleep 2
kill -0 "$clock" 2>/dev/null || fail "the clock ended"
[ ! -s "$folder/log" ] || fail "the clock wrote: $(cat "$folder/log")"

echo "the tray starts after the clock: the icon comes"
start_tray
wait_for_icon || fail "the icon did not come into the tray"
if [ -n "$screenshot" ]; then
    import -window root "$screenshot"
fi

echo "a left and a right click on the icon open the menu"
menu_from_icon 1
menu_from_icon 3

echo "the tray restarts: the icon comes back"
stop_tray
sleep 1
start_tray
wait_for_icon || fail "the icon did not come back after the tray restarted"

echo "switched off in the settings window: the icon goes, and stays away"
read -r x y < <(top_left "$icon")
xdotool mousemove $((x + 8)) $((y + 8)) click 3
sleep 0.7
xdotool key Down Return
settings=$(find_window '^設定$' 10) || fail "no settings window"
read -r left top < <(top_left "$settings")
xdotool mousemove $((left + 308)) $((top + 70)) click 1 # 常駐しない
sleep 1
[ "$(tr -d '\r\n' <"$folder/set1.zdt")" = "1,0" ] || fail "set1.zdt holds $(cat "$folder/set1.zdt")"
[ -z "$(icon_in_tray)" ] || fail "the icon stayed in the tray"
stop_tray
start_tray
sleep 2
[ -z "$(icon_in_tray)" ] || fail "the icon came back while switched off"

kill -TERM "$clock"
wait "$clock" || fail "exit status $? after SIGTERM"
[ ! -s "$folder/log" ] || fail "the clock wrote: $(cat "$folder/log")"
echo "all tray checks passed"
