# Sourced by the Windows end-to-end scripts, which run under Wine on an X server with a
# white root window and openbox: the clock window found, checked and ended.

fail() { echo "FAIL: $*" >&2; exit 1; }

geometry_of() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width/{w=$2} /Height/{h=$2} END{print x, y, w, h}'
}

# Clicks at a point of a window given relative to its top-left corner.
click_in() {
    read -r left top _ _ <<<"$(geometry_of "$1")"
    xdotool mousemove $((left + $2)) $((top + $3)) click "${4:-1}"
    sleep 1
}

# Polls for a window by its title: a search that meets a closing window (the menu) fails
# and is simply tried again.
window_named() {
    local found
    for _ in $(seq 120); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.5
    done
    return 1
}

# expect_cut_clock LEFT TOP SHOT: the program's only window, the clock, stands at LEFT,
# TOP in the size of the first design (85 x 115) and is cut to the cat: the white root
# shows at its corners, the cat's dark head inside (Wine gives the window region to X as
# the window's shape). Prints the window; SHOT keeps the screen.
expect_cut_clock() {
    local left=$1 top=$2 shot=$3 window corner
    window=$(window_named '^ふわまる　ぽてりん$') || fail "no clock window"
    sleep 2
    [ "$(geometry_of "$window")" = "$left $top 85 115" ] ||
        fail "window at $(geometry_of "$window"), expected $left $top 85 115"
    import -window root "$shot"
    for corner in "$left $top" "$((left + 84)) $top" "$left $((top + 114))" "$((left + 84)) $((top + 114))"; do
        [ "$(pixel_of "$shot" $corner)" = "255,255,255" ] ||
            fail "the window is not cut at $corner: $(pixel_of "$shot" $corner)"
    done
    [ "$(pixel_of "$shot" $((left + 40)) $((top + 13)))" != "255,255,255" ] || fail "no cat in the window"
    echo "$window"
}
pixel_of() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# quit_clock WINDOW PID: 終  了 from the clock's menu, and the program's end.
quit_clock() {
    click_in "$1" 42 60 3
    choose_quit "$2"
}
# choose_quit PID: 終  了 from the open menu; the program ends, and well.
choose_quit() {
    xdotool key Down Down Down Return
    for _ in $(seq 60); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.5
    done
    kill -0 "$1" 2>/dev/null && fail "the clock did not end"
    wait "$1" || fail "exit status $?"
}

# The Windows folder of a Wine environment variable (APPDATA, LOCALAPPDATA), as a Unix path.
wine_folder() { winepath -u "$(wine cmd /c echo "%$1%" | tr -d '\r')"; }
