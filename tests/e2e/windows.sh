# Sourced by the end-to-end scripts: waiting for a window by its name or role.

# poll SECONDS COMMAND...: runs COMMAND every tenth of a second until it succeeds, for up
# to SECONDS. Asked afresh each time: a window that closes while xdotool walks the tree (a
# menu) fails that one try, not the wait.
poll() {
    local tries=$(($1 * 10))
    shift
    for _ in $(seq "$tries"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# find_window NAME-PATTERN SECONDS: the first window shown whose name matches, waited for.
find_window() { poll "$2" first_window "$1"; }
first_window() {
    local found
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [ -n "$found" ] && echo "$found"
}

# The clock windows shown. Its dialogs share its title and class; the clock is told by
# its role.
clock_windows() {
    local id
    for id in $(xdotool search --onlyvisible --class '^nekotokei$' 2>/dev/null); do
        if xprop -id "$id" WM_WINDOW_ROLE 2>/dev/null | grep -q '= "clock"$'; then
            echo "$id"
        fi
    done
}

# find_clock SECONDS: the first clock window shown, waited for.
find_clock() { poll "$1" first_clock; }
first_clock() {
    local found
    found=$(clock_windows | head -n 1)
    [ -n "$found" ] && echo "$found"
}

# find_message SECONDS: the first message window shown (titled with the program's name,
# as the clock is), waited for.
find_message() { poll "$1" first_message; }
first_message() {
    local found
    found=$(message_windows | head -n 1)
    [ -n "$found" ] && echo "$found"
}
message_windows() {
    xdotool search --onlyvisible --name '^ふわまる　ぽてりん$' 2>/dev/null | grep -vxF -f <(clock_windows; echo none) || true
}
