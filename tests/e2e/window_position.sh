#!/usr/bin/env bash
# Where the clock is stored, on openbox with a configuration of the test's own whose
# rule puts the clock at 600,400 whatever it asks for, as window managers may: the place
# imposed on the clock as it shows is not stored, neither at a button release nor at
# quit; a drag after it is; and a place the clock chose itself, out of a stored one off
# the screen, is stored. CTest runs it inside xvfb-run.
set -euo pipefail

source "$(dirname "$0")/session.sh"
copy_program "$1" "$2"

cat >"$folder/rc.xml" <<'RC'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <applications>
    <application class="nekotokei" role="clock">
      <position force="yes"><x>600</x><y>400</y></position>
    </application>
  </applications>
</openbox_config>
RC
start_window_manager --config-file "$folder/rc.xml"
sleep 1

stored() { tr -d '\r\n' <"$folder/fomit.zdt"; }
geometry() { top_left "$window"; }

# quit: 終  了 from the clock's menu (its last item), waited for.
quit() {
    read -r x y <<<"$(geometry)"
    choose_from_menu $((x + 42)) $((y + 60)) Up Return
    wait_for_exit
}

echo "a place imposed as the clock shows is not stored"
printf '3000,1500\r\n' >"$folder/fomit.zdt"
start_clock
[ "$(geometry)" = "600 400" ] || fail "the rule did not place the clock: it is at $(geometry)"
xdotool mousemove 642 460 click 1
sleep 0.5
[ "$(stored)" = 3000,1500 ] || fail "a click stored $(stored)"
quit || fail "exit status $?"
[ "$(stored)" = 3000,1500 ] || fail "quitting stored $(stored)"

echo "a drag after it is stored"
start_clock
[ "$(geometry)" = "600 400" ] || fail "the rule did not place the clock: it is at $(geometry)"
xdotool mousemove 642 460 mousedown 1
for step in $(seq 1 10); do xdotool mousemove $((642 + step * 10)) $((460 + step * 5)); sleep 0.05; done
xdotool mouseup 1
sleep 1
read -r x y <<<"$(geometry)"
[ "$x $y" != "600 400" ] || fail "the drag did not move the clock"
[ "$(stored)" = "$((x * 15)),$((y * 15))" ] || fail "the drag to $x $y stored $(stored)"
quit || fail "exit status $?"
[ "$(stored)" = "$((x * 15)),$((y * 15))" ] || fail "quitting after the drag to $x $y stored $(stored)"

echo "the place the clock chose for one stored off the screen is stored"
printf '60000,60000\r\n' >"$folder/fomit.zdt"
start_clock
quit || fail "exit status $?"
# Wholly inside the 1024x768 screen at its bottom right corner: 85x115 pixels.
[ "$(stored)" = "$(((1024 - 85) * 15)),$(((768 - 115) * 15))" ] || fail "quitting stored $(stored)"

echo "all window position checks passed"
