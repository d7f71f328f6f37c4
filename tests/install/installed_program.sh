#!/usr/bin/env bash
# Installs the built program into a throw-away prefix and uses it as a desktop and a
# user would: every file in its place, the desktop entry and the metainfo valid, the
# command line answered without any display, and starts from the desktop entry's Exec
# line that keep the settings in the user's folder, filled from the shipped defaults
# and never overwritten.
set -euo pipefail

build=$1
source=$2
version=$3
id=$4
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
shipped=$prefix/share/nekotokei
settings_files="fomit.zdt set.zdt set1.zdt set2.zdt set3.zdt alm.zdt"

echo "every file in its place"
icon_sizes=$(grep -o 'iconSizes\[\] = {[0-9, ]*}' "$source/src/core/artwork.h" | grep -o '[0-9][0-9]*')
[ -n "$icon_sizes" ] || fail "no icon sizes in the artwork catalogue"
expected=$(
    echo bin/nekotokei
    echo lib/nekotokei/libnekotokei-sound.so
    echo "share/applications/$id.desktop"
    echo "share/metainfo/$id.metainfo.xml"
    for size in $icon_sizes; do echo "share/icons/hicolor/${size}x${size}/apps/$id.png"; done
    for file in $settings_files; do echo "share/nekotokei/$file"; done
    (cd "$source/data" && find guide -type f | sed 's|^|share/nekotokei/|')
    echo share/man/man1/nekotokei.1.gz
    echo share/doc/nekotokei/copyright
    echo share/doc/nekotokei/changelog.gz
)
diff <(sort <<<"$expected") <(cd "$prefix" && find . -type f | sed 's|^\./||' | sort) ||
    fail "the installed files are not the expected ones (< expected, > installed)"
for size in $icon_sizes; do
    read -r width height < <(od -An -tu1 -j16 -N8 "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png" |
        awk '{print $3 * 256 + $4, $7 * 256 + $8}')
    [ "$width x $height" = "$size x $size" ] || fail "the ${size}x${size} icon is $width x $height"
done
for file in $settings_files; do
    cmp -s "$source/data/$file" "$shipped/$file" || fail "$file is not the shipped default"
done

echo "the desktop entry and the metainfo validate"
desktop_entry=$prefix/share/applications/$id.desktop
report=$(desktop-file-validate "$desktop_entry" 2>&1) && [ -z "$report" ] || fail "desktop entry: $report"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$work/report" 2>&1 ||
    fail "metainfo: $(cat "$work/report")"
[ "$(sed -n 's/^Icon=//p' "$desktop_entry")" = "$id" ] || fail "the desktop entry names another icon"

echo "the command line answers without a display"
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
[ "$("${no_display[@]}" "$prefix/bin/nekotokei" --version)" = "nekotokei $version" ] || fail "--version"
"${no_display[@]}" "$prefix/bin/nekotokei" --help | grep -q -- '--version' || fail "--help"
status=0
"${no_display[@]}" "$prefix/bin/nekotokei" --no-such-option >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 2 ] && [ ! -s "$work/out" ] && grep -q 'no-such-option' "$work/err" ||
    fail "an unknown option gave status $status, output '$(cat "$work/out")', message '$(cat "$work/err")'"

# The clock as the desktop starts it: the Exec line, found on the PATH, for a user whose
# settings folder is ~/.config/nekotokei.
home=$work/home
user_folder=$home/.config/nekotokei
mkdir -p "$home/runtime"
chmod 700 "$home/runtime"
exec_line=$(sed -n 's/^Exec=//p' "$desktop_entry")
start_clock() {
    env -u XDG_CONFIG_HOME HOME="$home" XDG_RUNTIME_DIR="$home/runtime" PATH="$prefix/bin:$PATH" \
        QT_QPA_PLATFORM=offscreen sh -c "exec $exec_line" >"$work/log" 2>&1 &
    clock=$!
}
wait_for_files() {
    for _ in $(seq 100); do
        local all=yes
        for file in $settings_files; do [ -f "$user_folder/$file" ] || all=no; done
        [ "$all" = yes ] && return 0
        kill -0 "$clock" 2>/dev/null || fail "the clock ended: $(cat "$work/log")"
        sleep 0.1
    done
    fail "the user's settings folder holds only: $(ls "$user_folder" 2>&1)"
}
stop_clock() {
    kill -TERM "$clock"
    wait "$clock" || fail "exit status $? after SIGTERM: $(cat "$work/log")"
}

echo "the first start fills the user's settings folder with the shipped defaults"
start_clock
wait_for_files
sleep 1
stop_clock
for file in $settings_files; do
    cmp -s "$shipped/$file" "$user_folder/$file" || fail "$file differs from the shipped default"
done
[ "$(ls "$prefix/bin")" = nekotokei ] || fail "the clock wrote beside its executable: $(ls "$prefix/bin")"

echo "a later start keeps the user's files and brings back only a missing one"
printf '6,255,1\r\n' >"$user_folder/set3.zdt"
rm "$user_folder/alm.zdt"
start_clock
wait_for_files
sleep 1
stop_clock
[ "$(cat "$user_folder/set3.zdt")" = $'6,255,1\r' ] || fail "set3.zdt was replaced"
cmp -s "$shipped/alm.zdt" "$user_folder/alm.zdt" || fail "alm.zdt did not come back"

echo "all install checks passed"
