# Sourced by the end-to-end scripts: a throw-away program folder, the processes they
# start (ended on exit: asked first, then made to), a runtime folder and session bus of
# their own, a window manager.
source "$(dirname "${BASH_SOURCE[0]}")/windows.sh"
folder=$(mktemp -d)
pids=()
end_session() {
    kill "${pids[@]}" 2>/dev/null || true
    sleep 0.5
    kill -9 "${pids[@]}" 2>/dev/null || true
    rm -rf "$folder"
}
trap end_session EXIT

# The logs that fail shows: the clock's, and any a script adds.
logs=("$folder/log")
fail() {
    echo "FAIL: $*" >&2
    for log in "${logs[@]}"; do
        echo "$(basename "$log"):" >&2
        cat "$log" >&2
    done
    exit 1
}

# copy_program EXECUTABLE DATA-FOLDER: the program and the shipped settings files.
copy_program() {
    cp "$1" "$folder/nekotokei"
    cp "$2"/*.zdt "$folder/"
}

start_session_bus() {
    export XDG_RUNTIME_DIR=$folder/run
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$folder/bus" 4>"$folder/bus.pid"
    pids+=("$(cat "$folder/bus.pid")")
    export DBUS_SESSION_BUS_ADDRESS
    DBUS_SESSION_BUS_ADDRESS=$(cat "$folder/bus")
}

# start_window_manager [OPENBOX-ARGUMENTS...]
start_window_manager() {
    openbox "$@" >/dev/null 2>&1 &
    pids+=($!)
}

# start_clock [NAME=VALUE...]: starts the clock in the folder, with the environment
# given, and waits for its window: $clock is its process, $window its window.
start_clock() {
    env "$@" "$folder/nekotokei" >"$folder/log" 2>&1 &
    clock=$!
    pids+=("$clock")
    window=$(find_clock 20) || fail "no clock window"
}

# Waits, up to 10 s, for the clock to end, and returns its exit status.
wait_for_exit() {
    for _ in $(seq 50); do
        kill -0 "$clock" 2>/dev/null || { wait "$clock"; return $?; }
        sleep 0.2
    done
    fail "the clock did not end"
}

# The top-left corner of a window on the screen: "x y".
top_left() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} END{print x, y}'
}

# The clock's windows on the screen, counted; a window that goes while they are counted
# does not count.
visible_windows() {
    xdotool search --onlyvisible --pid "$clock" 2>/dev/null | wc -l
}

# wait_for_more_windows COUNT: waits, up to 10 s, until the clock shows more than COUNT
# windows (a menu that opens). The menu may take its time on a loaded machine.
wait_for_more_windows() { poll 10 more_windows_than "$1"; }
more_windows_than() { [ "$(visible_windows)" -gt "$1" ]; }

# choose_from_menu X Y KEY...: opens the clock's menu with a right click at X Y, waits
# for it to show, and answers it with the keys.
choose_from_menu() {
    local shown
    shown=$(visible_windows)
    xdotool mousemove "$1" "$2" click 3
    wait_for_more_windows "$shown" || fail "the clock's menu did not open"
    shift 2
    xdotool key "$@"
}
