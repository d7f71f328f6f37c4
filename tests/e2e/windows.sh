# Sourced by the end-to-end scripts: waiting for a window by its name.

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
