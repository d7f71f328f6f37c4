#!/usr/bin/env bash
# Kills the real clock with SIGKILL while it writes its files, again and again at seeded
# random moments: moving the clock (fomit.zdt), switching settings (set.zdt, set1.zdt,
# set2.zdt) and saving the alarms (alm.zdt). After every kill each file must still read
# with the program's own readers and hold a whole record, old or new; the next start
# must find no leftover temporary file. Every tenth round the kill comes exactly between
# the two steps of a save's commit (strace stops the process at its rename), which leaves
# a temporary behind for the next start to remove. CTest runs it inside xvfb-run.
#
#   kill_during_writes.sh EXECUTABLE CHECKER DATA-FOLDER [ROUNDS] [SEED]
set -euo pipefail
source "$(dirname "$0")/windows.sh"

executable=$1
checker=$2
data=$3
rounds=${4:-100}
RANDOM=${5:-14}
folder=$(mktemp -d)
trap 'kill -KILL $(jobs -p) 2>/dev/null || true; wait 2>/dev/null; rm -rf "$folder"' EXIT

fail() { echo "FAIL (round $round): $*" >&2; exit 1; }

cp "$executable" "$folder/"
cp "$data"/*.zdt "$folder/"
printf '3000,1500\r\n' > "$folder/fomit.zdt"
printf '0\r\n' > "$folder/set.zdt"
printf '1,0\r\n' > "$folder/set1.zdt"
printf '"07:30",1,"標準"," 表示 ","おはよう"\r\n' > "$folder/alm.zdt"

openbox >/dev/null 2>&1 &
sleep 1

# The clock (85 x 115) is found where the last round left it; the settings window at 286,243 and the alarm
# list at 276,278, centred on the 1024 x 768 screen; the message window at 392,339.
to_clock() { # the pointer to the middle of the clock
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + 42)) $((Y + 57))
}
drag_clock() { # back and forth
    local step=20
    while true; do
        to_clock
        xdotool mousedown 1 sleep 0.05 mousemove_relative -- "$step" $((step / 2)) sleep 0.05 mouseup 1 sleep 0.05
        step=$((-step))
    done
}
open_settings() { to_clock; xdotool click 3 sleep 0.4 key Down Return sleep 0.5; }
switch_settings() {
    open_settings
    while true; do
        # In front, normal; second hand off, on.
        xdotool mousemove 438 321 sleep 0.03 click 1 mousemove 486 321 sleep 0.03 click 1 \
            mousemove 380 448 sleep 0.03 click 1 mousemove 324 448 sleep 0.03 click 1
    done
}
save_alarms() {
    open_settings
    xdotool mousemove 322 321 click 1 sleep 0.5
    while true; do
        # Switch the alarm's mark, apply, close the confirmation.
        xdotool mousemove 293 342 sleep 0.03 click 1 mousemove 647 460 sleep 0.03 click 1 sleep 0.1 \
            mousemove 512 411 sleep 0.03 click 1 sleep 0.03
    done
}

# Ends the pointer driver with the xdotool it runs: a click left running would land on
# the next round's clock, whose save would then come before the round begins.
stop_driver() {
    kill -STOP "$driver" 2>/dev/null || true
    pkill -KILL -P "$driver" 2>/dev/null || true
    kill -KILL "$driver" 2>/dev/null || true
    wait "$driver" 2>/dev/null || true
    xdotool mouseup 1 2>/dev/null || true
}

# What the clock was doing when it did not show: alive or not, and the last it printed.
clock_state() {
    local state=ended
    running "$clock" && state=running
    echo "clock $state; its log ends:"
    grep -v XDG_RUNTIME_DIR "$folder/log" | tail -n 15
    [ ! -f "$folder/renames" ] || { echo "renames:"; cat "$folder/renames"; }
}
no_clock_shown() { [ -z "$(clock_windows)" ]; }
leftovers() { find "$folder" -maxdepth 1 -name '*.zdt.??????' -printf '%f '; }

start_clock() {
    rm -f "$folder/renames"
    "$folder/nekotokei" >>"$folder/log" 2>&1 &
    clock=$!
    window=$(find_clock 20) || fail "no clock window; $(clock_state)"
    [ -z "$(leftovers)" ] || fail "a start left temporaries behind: $(leftovers)"
}

check_files() {
    "$checker" "$folder" >"$folder/check" 2>&1 || fail "after the kill: $(cat "$folder/check")"
}

traced() { grep -q '^TracerPid:[[:space:]]*[1-9]' "/proc/$1/status" 2>/dev/null; }
# Alive and not yet a zombie waiting for this script to reap it.
running() { grep -q '^State:[[:space:]]*[^Z]' "/proc/$1/status" 2>/dev/null; }

interrupted_commits=0
changed=0
for round in $(seq 1 "$rounds"); do
    if [ $((round % 10)) -eq 0 ] && command -v strace >/dev/null; then
        # Killed at the rename of its first save: the saved temporary stays. strace comes
        # once the clock shows, so that no rename of its start (its socket, a font cache)
        # counts.
        start_clock
        strace -f -q -o "$folder/renames" -p "$clock" -e trace=rename,renameat,renameat2 \
            -e inject=rename,renameat,renameat2:signal=SIGKILL:when=1 &
        tracer=$!
        poll 10 traced "$clock" || fail "strace did not take the clock; $(clock_state)"
        drag_clock 2>/dev/null &
        driver=$!
        for _ in $(seq 100); do running "$clock" && sleep 0.2; done
        running "$clock" && fail "no save came in 20 s of dragging; $(clock_state)"
        wait "$clock" 2>/dev/null || true
        kill -KILL "$tracer" 2>/dev/null || true
        wait "$tracer" 2>/dev/null || true
        stop_driver
        [ -n "$(leftovers)" ] && interrupted_commits=$((interrupted_commits + 1))
    else
        start_clock
        # Kill it somewhere while it writes, after the windows it needs have opened.
        case $((round % 3)) in
            0) drag_clock 2>/dev/null & setup=0 ;;
            1) switch_settings 2>/dev/null & setup=1 ;;
            2) save_alarms 2>/dev/null & setup=2 ;;
        esac
        driver=$!
        sleep "$((setup + RANDOM % 2)).$((RANDOM % 10))"
        kill -KILL "$clock"
        wait "$clock" 2>/dev/null || true
        stop_driver
    fi
    # A killed clock's window may outlive it a moment: the next round must find its own.
    poll 10 no_clock_shown || fail "the killed clock's window stayed"
    check_files
    [ "$(cat "$folder/check")" != "${previous:-}" ] && changed=$((changed + 1))
    previous=$(cat "$folder/check")
    echo "round $round: $previous"
done

start_clock
kill -TERM "$clock"
wait "$clock" || fail "the clock did not end cleanly after the rounds"
[ "$interrupted_commits" -gt 0 ] || [ ! -x "$(command -v strace)" ] || fail "no kill came between a save's two steps"
# Without writes to interrupt, the rounds would prove nothing.
[ "$changed" -ge $((rounds / 4)) ] || fail "only $changed rounds changed a file"
echo "all $rounds rounds passed; $changed changed a file; $interrupted_commits kills came between a save's two steps"
