#!/usr/bin/env bash
# Drives the Windows edition's zip under Wine on an X server with a window manager: the
# unzipped program starts with staged settings at its stored position, in its design's
# size, cut to its outline and off the taskbar; a right click opens the menu, 設定 the
# settings window, its start-up button makes the shortcut, and 終  了 writes the
# position and ends.
# scripts/test-windows runs it inside xvfb-run (white root window) with a fresh WINEPREFIX.
#
#   windows_session.sh ZIP SCREENSHOT
set -euo pipefail

zip=$1
screenshot=$2
folder=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$folder"' EXIT

source "$(dirname "$0")/wine_clock.sh"

unzip -q "$zip" -d "$folder"
program=$folder/nekotokei
bash "$(dirname "$0")/windows_package.sh" "$program" || fail "the zip's files are not all there"
printf '1500,1500\r\n' > "$program/fomit.zdt"  # 100, 100 pixels
printf '1\r\n' > "$program/set.zdt"
printf '1,0\r\n' > "$program/set1.zdt"

openbox >/dev/null 2>&1 &
sleep 1

echo "start-up: stored position, the design's size, cut to its outline"
(cd "$program" && exec wine nekotokei.exe) >"$folder/log" 2>&1 &
clock=$!
window=$(expect_cut_clock 100 100 "$folder/start.png") || fail "$(cat "$folder/log")"

echo "no taskbar button: a taskbar lists the clock nowhere, or is told to skip it"
# Taskbars make their buttons from the window manager's list of the windows it manages;
# Wine keeps a window like the clock out of that list altogether.
if grep -qw "$(printf '0x%x' "$window")" <<<"$(xprop -root _NET_CLIENT_LIST)"; then
    state=$(xprop -id "$window" _NET_WM_STATE)
    grep -q _NET_WM_STATE_SKIP_TASKBAR <<<"$state" || fail "the clock has a taskbar button: $state"
fi

echo "the menu opens with a right click, 設定 opens the settings window"
click_in "$window" 42 60 3
xdotool key Down Return
settings=$(window_named '^設定$') || fail "no settings window"
sleep 1
import -window root "$screenshot"

echo "the start-up button puts a shortcut to the program into the Startup folder"
click_in "$settings" 368 78
box=$(window_named '^ふわまる　ぽてりん$') || fail "no message after the start-up button"
programs=$(wine_folder APPDATA)/Microsoft/Windows/Start\ Menu/Programs
shortcut=$(find "$programs" -ipath '*/startup/ふわまる　ぽてりん-*.lnk' | head -n 1)
[ -n "$shortcut" ] || fail "no shortcut in the Startup folder of $programs"
grep -q "nekotokei.exe" <(strings "$shortcut"; strings -el "$shortcut") || fail "the shortcut does not name nekotokei.exe"
xdotool windowactivate --sync "$box" key Return
sleep 1
click_in "$settings" 411 252  # 閉じる
xdotool search --onlyvisible --name '^設定$' >/dev/null 2>&1 && fail "the settings window stayed open"

echo "終  了 writes the position and ends the program"
click_in "$window" 42 60 3
# The click itself stores the position: what 終  了 writes is what counts.
printf '0,0\r\n' > "$program/fomit.zdt"
choose_quit "$clock"
[ "$(tr -d '\r\n' < "$program/fomit.zdt")" = "1500,1500" ] || fail "position file holds $(cat "$program/fomit.zdt")"

echo "all Windows end-to-end checks passed"
