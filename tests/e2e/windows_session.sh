#!/usr/bin/env bash
# Drives the Windows edition's zip under Wine on an X server with a window manager: the
# unzipped program starts with staged settings at its stored position, in its design's
# size and cut to its outline; a right click opens the menu, 設定 the settings window,
# its start-up button makes the shortcut, and 終  了 writes the position and ends.
# scripts/test-windows runs it inside xvfb-run (white root window) with a fresh WINEPREFIX.
#
#   windows_session.sh ZIP SCREENSHOT
set -euo pipefail

zip=$1
screenshot=$2
folder=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$folder"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

unzip -q "$zip" -d "$folder"
program=$folder/nekotokei
for shipped in nekotokei.exe LICENSE; do
    [ -f "$program/$shipped" ] || fail "the zip holds no nekotokei/$shipped"
done
printf '1500,1500\r\n' > "$program/fomit.zdt"  # 100, 100 pixels
printf '1\r\n' > "$program/set.zdt"
printf '1,0\r\n' > "$program/set1.zdt"

openbox >/dev/null 2>&1 &
sleep 1

geometry_of() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width/{w=$2} /Height/{h=$2} END{print x, y, w, h}'
}

# Clicks at a point of a window given relative to its top-left corner.
click_in() {
    read -r left top _ _ <<<"$(geometry_of "$1")"
    xdotool mousemove $((left + $2)) $((top + $3)) click "${4:-1}"
    sleep 1
}

# Polls for a window by its title: a search that meets a closing window (the menu) fails
# and is simply tried again.
window_named() {
    local found
    for _ in $(seq 120); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.5
    done
    return 1
}

echo "start-up: stored position, the design's size, cut to its outline"
(cd "$program" && exec wine nekotokei.exe) >"$folder/log" 2>&1 &
clock=$!
# The clock is the program's only window at start-up (its dialogs share its title).
window=$(window_named '^ふわまる　ぽてりん$') || fail "no clock window ($(cat "$folder/log"))"
sleep 2
[ "$(geometry_of "$window")" = "100 100 85 115" ] || fail "window at $(geometry_of "$window"), expected 100 100 85 115"
# Cut to the cat: the white root shows at the window's corners, the cat's dark head
# inside. (Wine gives the window region to X as the window's shape.)
import -window root "$folder/start.png"
pixel() { convert "$folder/start.png" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:; }
for corner in "100 100" "184 100" "100 214" "184 214"; do
    [ "$(pixel $corner)" = "255,255,255" ] || fail "the window is not cut at $corner: $(pixel $corner)"
done
[ "$(pixel 140 113)" != "255,255,255" ] || fail "no cat at 140 113"

echo "the menu opens with a right click, 設定 opens the settings window"
click_in "$window" 42 60 3
xdotool key Down Return
settings=$(window_named '^設定$') || fail "no settings window"
sleep 1
import -window root "$screenshot"

echo "the start-up button puts a shortcut to the program into the Startup folder"
click_in "$settings" 368 78
box=$(window_named '^ふわまる　ぽてりん$') || fail "no message after the start-up button"
programs=$(winepath -u "$(wine cmd /c echo %APPDATA% | tr -d '\r')")/Microsoft/Windows/Start\ Menu/Programs
shortcut=$(find "$programs" -ipath '*/startup/nekotokei-*.lnk' | head -n 1)
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
xdotool key Down Down Down Return
for _ in $(seq 60); do
    kill -0 "$clock" 2>/dev/null || break
    sleep 0.5
done
kill -0 "$clock" 2>/dev/null && fail "the clock did not end"
wait "$clock" || fail "exit status $?"
[ "$(tr -d '\r\n' < "$program/fomit.zdt")" = "1500,1500" ] || fail "position file holds $(cat "$program/fomit.zdt")"

echo "all Windows end-to-end checks passed"
