#!/usr/bin/env bash
# The clock seen through and clicked through on an X server with openbox, read from
# outside: the opacity the desktop reads (_NET_WM_WINDOW_OPACITY), an input shape that
# takes no pointer, a click at the clock's place reaching the window under it, a second
# start opening the settings window; then, with no option set, the clock as it always
# was, and a clock that grows after click-through ended taking clicks all over. Last,
# whether the program finds a compositing manager, without and with one.
# CTest runs it inside xvfb-run.
#
#   see_through.sh EXECUTABLE DATA-FOLDER COMPOSITES PYTHON3 [SCREENSHOT]
set -euo pipefail

composites=$3
python=$4
screenshot=${5:-}
source "$(dirname "$0")/session.sh"
copy_program "$1" "$2"
input_shape() { "$python" "$(dirname "$0")/input_shape.py" "$1"; }

start_window_manager
sleep 1

# A window under the clock, as large as the screen, that notes each press it receives.
stdbuf -oL xev -geometry 1024x768+0+0 -event button >"$folder/xev.log" 2>&1 &
pids+=($!)
logs+=("$folder/xev.log")
find_window '^Event Tester$' 10 >/dev/null || fail "no window to click under the clock"
presses() { grep -c '^ButtonPress' "$folder/xev.log" || true; }
has_presses() { [ "$(presses)" -ge "$1" ]; }

# The middle of the clock on the screen: "x y".
clock_middle() {
    xwininfo -id "$window" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
        /Width/{w=$2} /Height/{h=$2} END{print int(x + w / 2), int(y + h / 2)}'
}
# click_at X Y: a left click there.
click_at() { xdotool mousemove "$1" "$2" sleep 0.3 click 1; }
# click_clock: a left click at the clock's middle.
click_clock() {
    read -r x y < <(clock_middle)
    click_at "$x" "$y"
}
# not_passed COUNT: after a while for a click to arrive, the window under the clock still
# has COUNT presses.
not_passed() {
    sleep 1
    [ "$(presses)" -eq "$1" ]
}

echo "at 70 % with click-through, the desktop reads its opacity and clicks pass through it"
printf '[gadget]\nopacity=70\nclickThrough=true\n' >"$folder/options.ini"
start_clock
sleep 1
opacity=$(xprop -id "$window" _NET_WM_WINDOW_OPACITY)
# 70 % of the full 32-bit scale, 0xffffffff.
[ "$opacity" = "_NET_WM_WINDOW_OPACITY(CARDINAL) = 3006477107" ] || fail "the clock's opacity reads '$opacity'"
[ "$(input_shape "$window")" -eq 0 ] || fail "the clock's input shape is $(input_shape "$window") rectangles"
click_clock
poll 10 has_presses 1 || fail "a click on the clock did not reach the window under it"
"$folder/nekotokei" >>"$folder/log" 2>&1 || fail "the second start ended with status $?"
find_window '^設定$' 10 >/dev/null || fail "the second start opened no settings window"
grep -q 'clickThrough=true' "$folder/options.ini" || fail "the options file lost click-through"
kill "$clock"
wait_for_exit >/dev/null || true

echo "with no option set, the clock sets no opacity and takes its own clicks"
rm "$folder/options.ini"
before=$(presses)
start_clock
sleep 1
xprop -id "$window" _NET_WM_WINDOW_OPACITY | grep -q 'not found' ||
    fail "the clock set an opacity: $(xprop -id "$window" _NET_WM_WINDOW_OPACITY)"
[ "$(input_shape "$window")" -gt 0 ] || fail "the clock takes no pointer input"
click_clock
not_passed "$before" || fail "a click on the clock reached the window under it"
[ ! -e "$folder/options.ini" ] || fail "the clock wrote an options file: $(cat "$folder/options.ini")"
kill "$clock"
wait_for_exit >/dev/null || true

echo "click-through ended in the options window, the clock grown after takes clicks all over"
printf '[gadget]\nclickThrough=true\n' >"$folder/options.ini"
start_clock
"$folder/nekotokei" >>"$folder/log" 2>&1 || fail "the second start ended with status $?"
settings=$(find_window '^設定$' 10) || fail "the second start opened no settings window"
read -r x y < <(top_left "$settings")
xdotool mousemove $((x + 411)) $((y + 204)) click 1 # オプション
options=$(find_window '^オプション$' 10) || fail "no options window"
read -r x y < <(top_left "$options")
xdotool mousemove $((x + 146)) $((y + 290)) click 1 sleep 0.5 # クリック透過: 通す
grep -q clickThrough "$folder/options.ini" && fail "click-through did not end: $(cat "$folder/options.ini")"
xdotool key Escape sleep 0.5 key Escape sleep 0.5
read -r x y < <(clock_middle)
xdotool mousemove "$x" "$y" keydown ctrl click 4 keyup ctrl sleep 1
grep -q 'size=125' "$folder/options.ini" || fail "the clock did not grow: $(cat "$folder/options.ini")"
before=$(presses)
# Low on the grown clock's date panel, below where the clock ended before it grew.
read -r x y w h < <(xwininfo -id "$window" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
    /Width/{w=$2} /Height/{h=$2} END{print x, y, w, h}')
click_at $((x + w / 2)) $((y + h * 93 / 100))
not_passed "$before" || fail "a click low on the grown clock reached the window under it"
kill "$clock"
wait_for_exit >/dev/null || true

echo "the program finds a compositing manager only while one runs"
[ "$("$composites")" = "does not" ] || fail "a compositing manager was found where none runs"
xcompmgr >"$folder/xcompmgr.log" 2>&1 &
pids+=($!)
logs+=("$folder/xcompmgr.log")
poll 10 bash -c '[ "$("$0")" = composites ]' "$composites" || fail "xcompmgr runs, but was not found"
if [ -n "$screenshot" ]; then
    # The clock at 70 % over the window under it, as the compositing manager shows it.
    printf '[gadget]\nopacity=70\n' >"$folder/options.ini"
    start_clock
    sleep 1
    import -window root "$screenshot"
fi

echo "all see-through checks passed"
