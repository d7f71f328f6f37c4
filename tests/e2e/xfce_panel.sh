#!/usr/bin/env bash
# The clock's icon on Xfce's own panel (xfce4-panel, its Status Tray at the bottom of the
# screen, a StatusNotifier host) on a private session bus, started after the clock:
# the panel shows the cat; a right click shows the panel's menu of the clock's own
# entries, a left click the clock's menu above the panel; the cat comes back when the
# panel restarts, and 終  了 from the panel's menu ends the clock, writing its position.
# CTest runs it inside xvfb-run (tests/e2e/CMakeLists.txt).
#
#   xfce_panel.sh EXECUTABLE DATA-FOLDER PANEL-CONFIGURATION [SCREENSHOT-FOLDER]
set -euo pipefail

executable=$1
data=$2
configuration=$3
screenshots=${4:-}
source "$(dirname "$0")/session.sh"
logs+=("$folder/panel")

copy_program "$executable" "$data"
printf '1500,1500\r\n' >"$folder/fomit.zdt"
printf '0\r\n' >"$folder/set.zdt"
printf '1,1\r\n' >"$folder/set1.zdt" # second hand on, tray icon on

# The panel's settings come from its settings daemon, which the bus starts on demand
# with the bus's environment.
export XDG_CONFIG_HOME=$folder/config XDG_CACHE_HOME=$folder/cache
mkdir -p "$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml"
cp "$configuration" "$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml/xfce4-panel.xml"
: >"$folder/panel"

start_session_bus
start_window_manager
sleep 1
start_clock

start_panel() {
    xfce4-panel >>"$folder/panel" 2>&1 &
    panel=$!
    pids+=("$panel")
}

stop_panel() {
    xfce4-panel --quit >/dev/null 2>&1 || kill "$panel"
    wait "$panel" 2>/dev/null || true
}

# The bottom of the screen's free area, above the panel.
free_area_bottom() { xprop -root _NET_WORKAREA | awk -F'[=,]' '{print $3 + $5}'; }
panel_reserves_its_strip() { [ "$(free_area_bottom)" -lt 768 ]; }

# The cat on the panel: the middle of its pink ears in the strip below the free area,
# "x y", where the panel shows enough of them.
cat_on_panel() {
    import -window root -crop "1024x$((768 - panel_top))+0+$panel_top" +repage "$folder/strip.png"
    convert "$folder/strip.png" -fuzz 12% -fill black +opaque '#F59CB8' txt:- |
        awk -F'[,: ]+' -v top="$panel_top" \
            '$0 !~ /#000000/ && /^[0-9]/ {x += $1; y += $2; n++}
             END {if (n >= 8) print int(x / n), top + int(y / n) + 4; else exit 1}'
}

wait_for_cat() {
    for _ in $(seq 50); do
        cat=$(cat_on_panel) && return 0
        sleep 0.2
    done
    return 1
}

# Whether the clock's connection to the bus carries a StatusNotifier item (in an X11
# tray it would have none).
bus() { gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus "$@" 2>/dev/null; }
status_notifier_item() {
    local name
    for name in $(bus --method org.freedesktop.DBus.ListNames | grep -o "':1\.[0-9]*'" | tr -d "'"); do
        bus --method org.freedesktop.DBus.GetConnectionUnixProcessID "$name" | grep -q "uint32 $clock," &&
            gdbus call --session --dest "$name" --object-path /StatusNotifierItem \
                --method org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierItem Id >/dev/null 2>&1 &&
            return 0
    done
    return 1
}

screenshot() {
    if [ -n "$screenshots" ]; then
        import -window root "$screenshots/$1"
    fi
}

# open_menu BUTTON WINDOWS...: presses the cat on the panel and waits for a menu to
# show among the windows xdotool finds with the options WINDOWS: $menu is its window.
windows_of() { xdotool search --onlyvisible "$@" 2>/dev/null | sort; }
new_window() {
    menu=$(comm -13 <(echo "$1") <(windows_of "${@:2}") | head -n 1)
    [ -n "$menu" ]
}
open_menu() {
    local before
    before=$(windows_of "${@:2}")
    read -r x y <<<"$cat"
    xdotool mousemove "$x" "$y" click "$1"
    poll 10 new_window "$before" "${@:2}" || fail "button $1 on the cat opened no menu"
    sleep 0.3
    screenshot "xfce_panel_button$1.png"
}

# pick DOWNS: picks the entry DOWNS down in the menu that is open.
pick() {
    local keys=()
    for _ in $(seq "$1"); do keys+=(Down); done
    xdotool key "${keys[@]}" Return
}

echo "the panel starts after the clock: the cat shows on it, as a StatusNotifier item"
start_panel
poll 10 panel_reserves_its_strip || fail "the panel took no strip of the screen"
panel_top=$(free_area_bottom)
wait_for_cat || fail "the panel shows no cat"
poll 10 status_notifier_item || fail "the clock is not a StatusNotifier item of the panel"

echo "a right click shows the clock's entries in the panel's menu"
open_menu 3 --name ''
pick 2
product=$(find_window '^製品情報$' 10) || fail "the right click's menu has no 製品情報"
wmctrl -i -c "$product"

echo "a left click shows the clock's menu, off the panel"
open_menu 1 --pid "$clock"
read -r _ menu_top < <(top_left "$menu")
menu_height=$(xwininfo -id "$menu" | awk '/Height:/{print $2}')
[ $((menu_top + menu_height)) -le "$panel_top" ] ||
    fail "the menu reaches down to $((menu_top + menu_height)), over the panel at $panel_top"
pick 1
settings=$(find_window '^設定$' 10) || fail "the left click's menu has no 設定"
wmctrl -i -c "$settings"

echo "the panel restarts: the cat comes back"
stop_panel
sleep 1
cat_on_panel >/dev/null && fail "the cat stayed after the panel went"
start_panel
wait_for_cat || fail "the cat did not come back after the panel restarted"

echo "終  了 from the panel's menu ends the clock, which writes its position"
xdotool windowmove "$window" 300 200
sleep 0.5
open_menu 3 --name ''
pick 3
wait_for_exit || fail "exit status $? after 終  了"
[ "$(tr -d '\r\n' <"$folder/fomit.zdt")" = "4500,3000" ] || fail "fomit.zdt holds $(cat "$folder/fomit.zdt")"
echo "all Xfce panel checks passed"
