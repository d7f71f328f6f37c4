#!/usr/bin/env bash
# Drives the Windows installer under Wine's own msiexec, as a user without elevation: the
# package installs into the user's programs folder with the files of its source folder, a
# Start menu shortcut that starts the clock (its settings filled into %APPDATA% from the
# shipped defaults) and an entry in the list of installed programs with the version; a
# newer package installs over it and keeps a changed setting; the uninstall takes the
# files, the shortcut and the entry away and leaves the settings.
# scripts/test-windows runs it inside xvfb-run (white root window) with a fresh WINEPREFIX.
#
#   windows_installer.sh MSI NEWER-MSI FOLDER SCREENSHOT
# FOLDER holds the files both packages install.
set -euo pipefail

msi=$1
newer=$2
source_folder=$3
screenshot=$4
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

source "$(dirname "$0")/wine_clock.sh"

installed=$(wine_folder LOCALAPPDATA)/Programs/nekotokei
settings=$(wine_folder APPDATA)/nekotokei
shortcut="$(wine_folder APPDATA)/Microsoft/Windows/Start Menu/Programs/ふわまる　ぽてりん.lnk"

property() { msiinfo export "$1" Property | tr -d '\r' | sed -n "s/^$2\t//p"; }
# The product code as Windows Installer spells it in its keys: each group reversed, the
# last two byte by byte.
packed_code() {
    local code i
    code=$(property "$1" ProductCode | tr -d '{}-')
    printf '%s' "$(rev <<<"${code:0:8}")$(rev <<<"${code:8:4}")$(rev <<<"${code:12:4}")"
    for i in $(seq 16 2 30); do printf '%s' "${code:i+1:1}${code:i:1}"; done
}
registry_value() { # KEY NAME
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 \+REG_[A-Z_]\+ \+//p"
}
# entry_value PACKAGE NAME: a value of the package's entry in the list of installed
# programs. Wine's msiexec writes it under HKLM even for a per-user product, which it
# registers as the user's (HKCU\Software\Microsoft\Installer\Products).
entry_value() {
    registry_value "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$(property "$1" ProductCode)" "$2"
}
# The user's own registration of the product: its icon for the list of programs.
user_product_icon() {
    registry_value "HKCU\\Software\\Microsoft\\Installer\\Products\\$(packed_code "$1")" ProductIcon
}
# expect_entry PACKAGE: the package is installed for the user, listed with its version
# and publisher, and its icon is kept.
expect_entry() {
    [ "$(entry_value "$1" DisplayVersion)" = "$(property "$1" ProductVersion)" ] ||
        fail "the uninstall entry's version is '$(entry_value "$1" DisplayVersion)'"
    [ "$(entry_value "$1" Publisher)" = "$(property "$1" Manufacturer)" ] ||
        fail "the uninstall entry's publisher is '$(entry_value "$1" Publisher)'"
    local icon
    icon=$(user_product_icon "$1")
    [ -n "$icon" ] && [ -f "$(winepath -u "$icon")" ] || fail "no product icon registered for the user ('$icon')"
}
expect_no_entry() {
    [ -z "$(entry_value "$1" DisplayVersion)" ] || fail "the entry of version $(property "$1" ProductVersion) stayed"
    [ -z "$(user_product_icon "$1")" ] || fail "the user's registration of $(property "$1" ProductVersion) stayed"
}
msiexec() { wine msiexec "$@" >"$work/msiexec.log" 2>&1 || fail "msiexec $* failed: $(cat "$work/msiexec.log")"; }
# start_by_shortcut: the clock started as the Start menu starts it, its process in $clock.
start_by_shortcut() {
    wine start /wait /unix "$shortcut" >"$work/log" 2>&1 &
    clock=$!
}
# quit_installed WINDOW: ends the clock, and waits until the program itself is gone (Wine's
# start may return first), so that nothing it writes comes after the test's own writes.
quit_installed() {
    quit_clock "$1" "$clock"
    for _ in $(seq 40); do
        pgrep -f 'Programs.nekotokei.nekotokei\.exe' >/dev/null || return 0
        sleep 0.5
    done
    fail "the installed program is still running"
}

openbox >/dev/null 2>&1 &
sleep 1

echo "msiexec /i /qn installs without elevation"
msiexec /i "$(winepath -w "$msi")" /qn
diff -r "$source_folder" "$installed" >"$work/diff" || fail "the installed files differ: $(cat "$work/diff")"
bash "$(dirname "$0")/windows_package.sh" "$installed" || fail "the installed files are not all there"
[ -z "$(find "$installed" -maxdepth 1 -name '*.zdt')" ] ||
    fail "settings files beside the installed program would keep the settings there"
[ -f "$shortcut" ] || fail "no Start menu shortcut"
grep -q "nekotokei.exe" <(strings -el "$shortcut") || fail "the shortcut does not name nekotokei.exe"
expect_entry "$msi"

echo "the Start menu shortcut starts the clock, with the settings filled into %APPDATA%"
start_by_shortcut
window=$(expect_cut_clock 100 100 "$screenshot") || fail "$(cat "$work/log")"
for file in "$source_folder"/data/*.zdt; do
    [ -f "$settings/${file##*/}" ] || fail "no ${file##*/} in $settings"
done
quit_installed "$window"

echo "a newer package installs over it and keeps the user's settings"
printf '3000,2250\r\n' > "$settings/fomit.zdt"  # 200, 150 pixels
msiexec /i "$(winepath -w "$newer")" /qn
[ "$(tr -d '\r\n' < "$settings/fomit.zdt")" = "3000,2250" ] || fail "the upgrade changed the settings"
expect_no_entry "$msi"
expect_entry "$newer"
diff -r "$source_folder" "$installed" >"$work/diff" || fail "the upgraded files differ: $(cat "$work/diff")"
start_by_shortcut
window=$(expect_cut_clock 200 150 "$work/upgraded.png") || fail "$(cat "$work/log")"
quit_installed "$window"

echo "msiexec /x /qn takes the program away and leaves the settings"
msiexec /x "$(winepath -w "$newer")" /qn
[ ! -e "$installed" ] || fail "left behind: $(find "$installed")"
[ ! -e "$shortcut" ] || fail "the Start menu shortcut stayed"
expect_no_entry "$newer"
[ "$(tr -d '\r\n' < "$settings/fomit.zdt")" = "3000,2250" ] || fail "the settings did not stay"

echo "all Windows installer checks passed"
