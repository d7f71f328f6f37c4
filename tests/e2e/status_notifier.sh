#!/usr/bin/env bash
# The clock's icon on a StatusNotifier panel: a watcher and host on a private session
# bus (status_notifier_watcher.py) that come after the clock. The item registers with
# the program icon, named as in the icon theme where the program is installed, a title,
# a category and the tip; ContextMenu and Activate, called as a panel calls them, are
# answered at once and open the menu (Activate brings the clock forward first); the
# item publishes the menu, which a panel reads and clicks over D-Bus (dbus_menu.py); the
# item registers again with a restarted watcher, and goes when switched off. CTest runs
# it inside xvfb-run (tests/e2e/CMakeLists.txt).
#
#   status_notifier.sh EXECUTABLE DATA-FOLDER PYTHON ICON-FOLDER ICON-NAME
set -euo pipefail

executable=$1
data=$2
python=$3
icons=$4
icon_name=$5
here=$(dirname "$0")
source "$here/session.sh"
logs+=("$folder/watcher")

copy_program "$executable" "$data"
printf '1500,1500\r\n' >"$folder/fomit.zdt"
printf '0\r\n' >"$folder/set.zdt"
printf '1,1\r\n' >"$folder/set1.zdt" # second hand on, tray icon on
: >"$folder/watcher"

# The icon where the program is installed, in the desktop's icon theme.
for icon in "$icons"/icon*.png; do
    size=$(basename "$icon" .png | tr -dc 0-9)
    mkdir -p "$folder/share/icons/hicolor/${size}x$size/apps"
    cp "$icon" "$folder/share/icons/hicolor/${size}x$size/apps/$icon_name.png"
done

start_session_bus
start_window_manager
sleep 1
start_clock XDG_DATA_DIRS="$folder/share:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}"

start_watcher() {
    "$python" -u "$here/status_notifier_watcher.py" "$@" >>"$folder/watcher" 2>&1 &
    watcher=$!
    pids+=("$watcher")
}

# The item the clock registered, once the watcher holds it.
wait_for_item() {
    for _ in $(seq 50); do
        item=$(awk '$1 == "item" {print $2}' "$folder/watcher" | tail -n 1)
        [ -n "$item" ] && [ "$(grep -c "^item $item\$" "$folder/watcher")" -ge "$1" ] && return 0
        sleep 0.2
    done
    fail "no item registered with the watcher"
}

property() {
    gdbus call --session --dest "$item" --object-path /StatusNotifierItem \
        --method org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierItem "$1"
}

window_gone() { ! xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }

# Calls a method of the item as a panel does; it must answer within a second.
call_item() {
    local start=$SECONDS
    gdbus call --session --timeout 3 --dest "$item" --object-path /StatusNotifierItem \
        --method "org.kde.StatusNotifierItem.$1" 0 0 >/dev/null || fail "$1 got no answer"
    [ $((SECONDS - start)) -le 1 ] || fail "$1 was answered only after $((SECONDS - start)) s"
}

echo "no panel yet: the clock runs without an icon and says nothing"
sleep 1.5
kill -0 "$clock" 2>/dev/null || fail "the clock ended"

echo "the panel's watcher comes, its host a second later: the item registers"
start_watcher --host-after 1
wait_for_item 1
property ToolTip | grep -q "'ふわまる　ぽてりん'" || fail "the tip is $(property ToolTip)"
# The program icon, 32 x 32 pixels among its sizes.
property IconPixmap | grep -q '(32, 32, ' || fail "the icon is $(property IconPixmap | head -c 200)"
property Status | grep -q "'Active'" || fail "the item is $(property Status)"
property IconName | grep -q "'$icon_name'" || fail "the icon is named $(property IconName)"
property Title | grep -q "<'[^']\+'>" || fail "the title is $(property Title)"
property Category | grep -q "'ApplicationStatus'" || fail "the category is $(property Category)"

echo "ContextMenu is answered at once and opens the menu"
shown=$(visible_windows)
call_item ContextMenu
wait_for_more_windows "$shown" || fail "ContextMenu opened no menu"
xdotool key Down Down Return
product=$(find_window '^製品情報$' 10) ||
    fail "ContextMenu opened no menu"

echo "Activate is answered at once, brings the clock forward and opens the menu"
xdotool windowactivate --sync "$product"
shown=$(visible_windows)
call_item Activate
wait_for_more_windows "$shown" || fail "Activate opened no menu"
[ "$(xdotool getactivewindow)" = "$window" ] || fail "the clock did not come forward"
xdotool key Down Return
settings=$(find_window '^設定$' 10) ||
    fail "Activate opened no menu"
wmctrl -i -c "$product"
wmctrl -i -c "$settings"
poll 10 window_gone "$settings" || fail "the settings window did not close"

echo "the item publishes the menu: a panel reads its entries and clicks 設定 over D-Bus"
menu=$(property Menu | grep -o "'/[^']*'" | tr -d "'")
[ -n "$menu" ] && [ "$menu" != /NO_DBUSMENU ] || fail "the item publishes no menu: $(property Menu)"
entries=$("$python" "$here/dbus_menu.py" "$item" "$menu" | sed 's/^[0-9]* //')
[ "$entries" = "$(printf '設定\n製品情報\n-\n終  了')" ] || fail "the published menu holds: $entries"
"$python" "$here/dbus_menu.py" "$item" "$menu" --click 設定 || fail "設定 could not be clicked"
settings=$(find_window '^設定$' 10) || fail "clicking 設定 over D-Bus opened no settings window"

echo "the watcher restarts: the item registers again"
kill "$watcher"
wait "$watcher" 2>/dev/null || true
start_watcher
wait_for_item 2

echo "switched off in the settings window: the item goes"
read -r left top < <(top_left "$settings")
xdotool mousemove $((left + 308)) $((top + 70)) click 1 # 常駐しない
for _ in $(seq 25); do
    grep -q "^gone $item\$" "$folder/watcher" && break
    sleep 0.2
done
grep -q "^gone $item\$" "$folder/watcher" || fail "the item stayed registered"

kill -TERM "$clock"
wait "$clock" || fail "exit status $? after SIGTERM"
grep -v '^$' "$folder/log" && fail "the clock wrote to its output"
echo "all StatusNotifier checks passed"
