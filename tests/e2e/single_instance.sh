#!/usr/bin/env bash
# One clock per settings folder, with the real program on a real X server: a second
# start for the same folder ends at once with status 0, writing nothing, opens the
# running clock's settings window and brings it forward, a minimised one too; another folder's clock runs
# beside it; a clock killed with SIGKILL leaves no lock that stops the next start. CTest
# runs it inside xvfb-run.
set -euo pipefail

executable=$1
data=$2
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; wait 2>/dev/null; rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/windows.sh"

make_folder() { # name x-twips
    mkdir "$work/$1"
    cp "$executable" "$data"/*.zdt "$work/$1/"
    printf '%s,1500\r\n' "$2" > "$work/$1/fomit.zdt"
}
make_folder a 3000
make_folder b 9000

openbox >/dev/null 2>&1 &
sleep 1

clocks() { clock_windows | wc -l; }
start() { # folder: starts it in the background, sets $pid
    "$work/$1/nekotokei" >>"$work/log" 2>&1 &
    pid=$!
}
wait_for_clocks() { # count
    for _ in $(seq 100); do [ "$(clocks)" -eq "$1" ] && return 0; sleep 0.2; done
    fail "$(clocks) clock windows, expected $1"
}
ends_with_zero() { # pid
    for _ in $(seq 50); do
        kill -0 "$1" 2>/dev/null || { wait "$1"; return $?; }
        sleep 0.2
    done
    fail "the second start did not end"
}
state() { (cd "$work/a" && ls -la --time-style=full-iso *.zdt && cat *.zdt) | md5sum; }

echo "a second start for the same folder ends with status 0, writes nothing, opens the settings window"
start a
first=$pid
wait_for_clocks 1
before=$(state)
start a
ends_with_zero "$pid" || fail "the second start ended with status $?"
[ "$(clocks)" -eq 1 ] || fail "$(clocks) clock windows after the second start"
[ "$(state)" = "$before" ] || fail "the second start touched a file"
find_window '^設定$' 10 >/dev/null || fail "the second start opened no settings window"

echo "another folder's clock runs beside it"
start b
other=$pid
wait_for_clocks 2

echo "the second start brings the running clock's open window forward"
xdotool mousemove 642 157 click 1 sleep 0.5 # the other clock is in front now
clock_windows | grep -qxF "$(xdotool getactivewindow)" || fail "the other clock did not take the focus"
start a
ends_with_zero "$pid" || fail "the third start ended with status $?"
sleep 0.5
[ "$(xdotool getactivewindow getwindowname)" = 設定 ] ||
    fail "the active window is '$(xdotool getactivewindow getwindowname)', not the settings window"

echo "the second start brings a minimised window back"
settings=$(xdotool search --onlyvisible --name '^設定$' | head -1)
viewable() { xwininfo -id "$1" | grep -q 'Map State: IsViewable'; }
xdotool windowminimize "$settings"
for _ in $(seq 25); do viewable "$settings" || break; sleep 0.2; done
viewable "$settings" && fail "the settings window could not be minimised"
start a
ends_with_zero "$pid" || fail "the fourth start ended with status $?"
for _ in $(seq 25); do viewable "$settings" && break; sleep 0.2; done
viewable "$settings" || fail "the minimised settings window did not come back"
[ "$(xdotool getactivewindow getwindowname)" = 設定 ] ||
    fail "the active window is '$(xdotool getactivewindow getwindowname)', not the settings window"

echo "a clock killed with SIGKILL does not stop the next start"
kill -KILL "$first"
wait "$first" 2>/dev/null || true
wait_for_clocks 1
start a
wait_for_clocks 2
kill -0 "$pid" || fail "the start after the kill ended"
kill -TERM "$pid" "$other"
wait "$pid" "$other" || fail "the clocks did not end cleanly"

echo "all single-instance checks passed"
