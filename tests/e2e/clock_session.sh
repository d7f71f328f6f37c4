#!/usr/bin/env bash
# Drives the real clock on a real X server with a window manager: start-up at the
# stored position, always in front, the design chooser, dragging, closing by the
# desktop, SIGTERM, and the refusal to start with a broken settings file. CTest runs it
# inside xvfb-run (tests/e2e/CMakeLists.txt).
set -euo pipefail

source "$(dirname "$0")/session.sh"

# A copy of the program folder: the executable and its data, nothing else.
copy_program "$1" "$2"
printf '1500,1500\r\n' > "$folder/fomit.zdt"
printf '1\r\n' > "$folder/set.zdt"
printf '1,0\r\n' > "$folder/set1.zdt"

start_window_manager
sleep 1

geometry_of() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width/{w=$2} /Height/{h=$2} END{print x, y, w, h}'
}

geometry() {
    geometry_of "$window"
}

# Clicks at a point of a window given relative to its top-left corner.
click_in() {
    read -r left top _ _ <<<"$(geometry_of "$1")"
    xdotool mousemove $((left + $2)) $((top + $3)) click 1
    sleep 0.5
}

echo "start-up: the program's name, stored position, picture size, always in front"
start_clock
[ "$(xdotool getwindowname "$window")" = ふわまる　ぽてりん ] || fail "the clock is titled $(xdotool getwindowname "$window")"
[ "$(geometry)" = "100 100 85 115" ] || fail "window at $(geometry), expected 100 100 85 115"
xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "not above other windows"

echo "the menu opens the product window; closing it leaves the clock running"
choose_from_menu 142 160 Down Down Return
product=$(find_window '^製品情報$' 20) || fail "no product window"
wmctrl -i -c "$product"
sleep 1
xdotool search --onlyvisible --name '^製品情報$' >/dev/null && fail "the product window stayed open"
kill -0 "$clock" 2>/dev/null || fail "closing the product window ended the clock"

echo "the design chooser puts another design on the clock at once and saves it"
choose_from_menu 142 160 Down Return
settings=$(find_window '^設定$' 20) || fail "no settings window"
# The program's own windows stay above its always-in-front clock.
stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*#//; s/,//g')
[ "$(echo $stacking | tr ' ' '\n' | grep -n "$(printf '0x%x' "$settings")" | cut -d: -f1)" \
    -gt "$(echo $stacking | tr ' ' '\n' | grep -n "$(printf '0x%x' "$window")" | cut -d: -f1)" ] \
    || fail "the settings window is below the clock ($stacking)"
click_in "$settings" 92 78
chooser=$(find_window '^ねこ画像の変更$' 20) || fail "no design chooser"
click_in "$chooser" 300 298   # Type B03
click_in "$chooser" 331 332   # 変更する
[ "$(geometry)" = "100 100 115 82" ] || fail "clock at $(geometry) after choosing Type B03"
[ "$(cut -d, -f1 "$folder/set3.zdt")" = "6" ] || fail "set3.zdt holds $(cat "$folder/set3.zdt")"
click_in "$chooser" 340 161   # Type A04
click_in "$chooser" 331 332
[ "$(geometry)" = "100 100 85 115" ] || fail "clock at $(geometry) after choosing Type A04"
click_in "$chooser" 395 332   # キャンセル
xdotool search --onlyvisible --name '^ねこ画像の変更$' >/dev/null && fail "the chooser stayed open"

echo "a confirmation closed the desktop's way leaves every window usable"
click_in "$settings" 36 78    # アラーム
list=$(find_window '^アラーム$' 20) || fail "no alarm list"
placed=$(geometry_of "$list")
click_in "$list" 4 120        # a click on the background, without a drag
xdotool mousemove 20 600
sleep 0.5
[ "$(geometry_of "$list")" = "$placed" ] || fail "a click carried the list along to $(geometry_of "$list")"
click_in "$list" 371 183      # 適用
message=$(find_message 20) || fail "no confirmation"
wmctrl -i -c "$message"
sleep 0.5
click_in "$list" 435 183      # キャンセル
xdotool search --onlyvisible --name '^アラーム$' >/dev/null && fail "the alarm list stayed disabled"
click_in "$settings" 411 252  # 閉じる
xdotool search --onlyvisible --name '^設定$' >/dev/null && fail "the settings window stayed open"

choose_from_menu 142 160 Down Down Return
product=$(find_window '^製品情報$' 20) || fail "the clock's menu did not open"
wmctrl -i -c "$product"
sleep 0.5

echo "a click without a drag leaves the clock where it is"
xdotool mousemove 142 160 click 1
sleep 0.5
xdotool mousemove 500 500
sleep 0.7
[ "$(geometry)" = "100 100 85 115" ] || fail "a click carried the clock along to $(geometry)"

echo "dragging with the left button moves the clock with the pointer and remembers where"
xdotool mousemove 142 160 mousedown 1
for step in $(seq 1 10); do xdotool mousemove $((142 + step * 10)) $((160 + step * 5)); sleep 0.05; done
xdotool mouseup 1
sleep 1
# The point pressed stays under the pointer: the clock went as far as the pointer did.
read -r x y _ _ <<<"$(geometry)"
[ "$x $y" = "200 150" ] || fail "the pointer went +100,+50, the clock to $x $y from 100 100"
dragged="$((x * 15)),$((y * 15))"
position=$(tr -d '\r\n' < "$folder/fomit.zdt")
[ "$position" = "$dragged" ] || fail "position file holds $position after the drag to $x $y"

echo "closing by the desktop writes the position and ends the program"
printf '0,0\r\n' > "$folder/fomit.zdt"
wmctrl -i -c "$window"
wait_for_exit || fail "exit status $?"
[ "$(tr -d '\r\n' < "$folder/fomit.zdt")" = "$dragged" ] || fail "position not written on close"

echo "the next start opens where the clock was left; SIGTERM ends it cleanly"
start_clock
[ "$(geometry)" = "$x $y 85 115" ] || fail "restarted at $(geometry), expected $x $y"
printf '0,0\r\n' > "$folder/fomit.zdt"
kill -TERM "$clock"
wait_for_exit || fail "exit status $? after SIGTERM"
[ "$(tr -d '\r\n' < "$folder/fomit.zdt")" = "$dragged" ] || fail "position not written on SIGTERM"

echo "a missing settings file stops start-up with a message and writes nothing"
rm "$folder/set2.zdt"
before=$(cat "$folder"/*.zdt | md5sum)
"$folder/nekotokei" >"$folder/log" 2>&1 &
clock=$!
pids+=("$clock")
box=$(find_window 'ぽてりん' 20) || fail "no message box"
[ -n "$(clock_windows)" ] && fail "the clock window appeared"
xdotool windowactivate --sync "$box" key Return
status=0
wait_for_exit || status=$?
[ "$status" -ne 0 ] || fail "exit status 0 after refusing to start"
[ "$(cat "$folder"/*.zdt | md5sum)" = "$before" ] || fail "a file was written"

echo "all end-to-end checks passed"
