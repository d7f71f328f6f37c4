#!/usr/bin/env bash
# The clock as the user shows the desktop (wmctrl -k on, as a panel's button asks):
# another program's window goes, the clock stays where it is, with its states; when the
# desktop is no longer shown the other window comes back with the focus, and the clock
# is the window it was, under the other window as before. CTest runs it inside xvfb-run, once under openbox and once under
# xfwm4.
#
#   shown_desktop.sh EXECUTABLE DATA-FOLDER openbox|xfwm4 [SCREENSHOT]
set -euo pipefail

window_manager=$3
screenshot=${4:-}
source "$(dirname "$0")/session.sh"
copy_program "$1" "$2"
# Stacked as other windows are, the clock goes under the other window as that one is
# activated, and must stay there.
printf '0\r\n' >"$folder/set.zdt"

case $window_manager in
openbox) start_window_manager ;;
xfwm4)
    # xfwm4 reads its settings from xfconfd, which the session bus starts.
    start_session_bus
    HOME=$folder xfwm4 --compositor=off >"$folder/xfwm4.log" 2>&1 &
    pids+=($!)
    logs+=("$folder/xfwm4.log")
    ;;
*) fail "no such window manager: $window_manager" ;;
esac
poll 10 wmctrl -m >/dev/null 2>&1 || fail "$window_manager did not start"

xev -geometry 200x100+300+200 -name other >/dev/null 2>&1 &
pids+=($!)
other=$(find_window '^other$' 10) || fail "the other window did not show"
start_clock
sleep 1

mapped() { xwininfo -id "$1" | grep -q 'Map State: IsViewable'; }
hidden() { ! mapped "$1"; }
described() { echo "$(top_left "$window") $(xprop -id "$window" _NET_WM_WINDOW_TYPE _NET_WM_STATE)"; }
# The clock and the other window, bottom to top.
stacking() {
    xprop -root _NET_CLIENT_LIST_STACKING | grep -oi '0x[0-9a-f]*' |
        grep -xiE "$(printf '0x%x|0x%x' "$window" "$other")" | tr '\n' ' '
}
showing_desktop() { xprop -root _NET_SHOWING_DESKTOP | grep -q "= $1$"; }
xdotool windowactivate --sync "$other"
sleep 0.5
place=$(top_left "$window")
before=$(described)
stacked=$(stacking)
[ "$stacked" = "$(printf '0x%x 0x%x ' "$window" "$other")" ] || fail "the clock is not under the other window: $stacked"
grep -q _NET_WM_STATE_SKIP_TASKBAR <<<"$before" || fail "the clock is not kept off the taskbar: $before"

echo "the desktop shown: the other window goes, the clock stays"
wmctrl -k on
poll 5 showing_desktop 1 || fail "$window_manager does not show the desktop"
poll 5 hidden "$other" || fail "$window_manager leaves the other window on the shown desktop"
poll 5 mapped "$window" || fail "the clock is not on the shown desktop"
if [ -n "$screenshot" ]; then import -window root "$screenshot"; fi
# Where it stands and what keeps it off the taskbar and the pager stay.
[ "$(top_left "$window")" = "$place" ] || fail "the clock moved from $place to $(top_left "$window")"
for state in _NET_WM_STATE_SKIP_TASKBAR _NET_WM_STATE_SKIP_PAGER; do
    xprop -id "$window" _NET_WM_STATE | grep -q "$state" || fail "the shown desktop's clock lacks $state"
done

echo "the desktop no longer shown: the other window back with the focus, the clock as it was"
wmctrl -k off
poll 5 mapped "$other" || fail "the other window did not come back"
poll 5 showing_desktop 0 || fail "$window_manager still shows the desktop"
poll 5 mapped "$window" || fail "the clock went as the desktop was no longer shown"
after() { [ "$(described)" = "$before" ]; }
poll 5 after || fail "the clock is not as it was: $(described), before: $before"
same_stacking() { [ "$(stacking)" = "$stacked" ]; }
poll 5 same_stacking || fail "stacked $(stacking), before $stacked"
xprop -root _NET_ACTIVE_WINDOW | grep -qi "$(printf '0x%x' "$other")" ||
    fail "the focus is not the other window's: $(xprop -root _NET_ACTIVE_WINDOW)"
kill -0 "$clock" || fail "the clock ended"

echo "all shown-desktop checks passed under $window_manager"
