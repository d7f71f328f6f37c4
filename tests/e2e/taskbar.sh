#!/usr/bin/env bash
# The clock on a desktop with a taskbar (tint2, with a configuration of the test's own:
# each task a red button): a window of another program gets its button, the clock
# none, and it asks to be left out of pagers too. CTest runs it inside xvfb-run.
#
#   taskbar.sh EXECUTABLE DATA-FOLDER [SCREENSHOT]
set -euo pipefail

screenshot=${3:-}
source "$(dirname "$0")/session.sh"
copy_program "$1" "$2"

cat >"$folder/tint2rc" <<'RC'
rounded = 0
border_width = 0
background_color = #808080 100
border_color = #000000 0

rounded = 0
border_width = 0
background_color = #ff0000 100
border_color = #000000 0

panel_items = T
panel_position = bottom center horizontal
panel_size = 100% 30
panel_background_id = 1
panel_padding = 0 0 4
taskbar_mode = single_desktop
taskbar_background_id = 0
task_text = 0
task_icon = 0
task_maximum_size = 100 30
task_padding = 0 0
task_background_id = 2
task_active_background_id = 2
task_urgent_background_id = 2
task_iconified_background_id = 2
RC

# The panel's red: how many pixels of the bottom strip the task buttons cover.
red_pixels() {
    import -window root "$folder/screen.png"
    convert "$folder/screen.png" -crop 1024x30+0+738 +repage -format %c histogram:info:- |
        awk '/#FF0000/ {sub(":", "", $1); n += $1} END {print n + 0}'
}
more_red_than() { [ "$(red_pixels)" -gt "$1" ]; }

start_window_manager
tint2 -c "$folder/tint2rc" >"$folder/tint2.log" 2>&1 &
pids+=($!)
logs+=("$folder/tint2.log")
sleep 1

echo "another program's window gets its button"
xev -geometry 200x100+300+200 >/dev/null 2>&1 &
pids+=($!)
poll 10 more_red_than 0 || fail "tint2 shows no button for another window"
sleep 1
one_button=$(red_pixels)

echo "the clock gets none"
start_clock
sleep 2
if [ -n "$screenshot" ]; then import -window root "$screenshot"; fi
[ "$(red_pixels)" -eq "$one_button" ] ||
    fail "the taskbar shows $(red_pixels) red pixels with the clock, $one_button without it"
states=$(xprop -id "$window" _NET_WM_STATE)
for state in _NET_WM_STATE_SKIP_TASKBAR _NET_WM_STATE_SKIP_PAGER; do
    grep -q "$state" <<<"$states" || fail "the clock's states lack $state: $states"
done

echo "all taskbar checks passed"
