#!/usr/bin/env bash
# The end of the Windows session ends the program at once, asks nothing and shows
# nothing, but keeps the colour mode chosen during the session.
# shellcheck source=e2e-lib.sh
source "$(dirname "$0")/e2e-lib.sh"
e2e_begin lifecycle-session-end

exe=$(private_exe)
ini=$(dirname "$exe")/Tintara.ini
start_tintara "$exe"
probe wait-main normal >/dev/null
# The mode label (right edge at 448, row 93): one click turns the centre rule into the
# most-used one.
xdotool mousemove $((340 + 420)) $((411 + 99)) click 1
sleep 0.5
out=$(probe end-session)
echo "$out" | grep -q 'queryendsession=1' || fail "the program vetoed the end of the session"
wait_program_end
grep -q 'Color_Mode=(most used color)' "$ini" || fail "the mode of the session was lost"
probe wait-tray absent >/dev/null
echo "PASS: the session's end saved the mode without a box"
