#!/usr/bin/env bash
# A normal start shows the main window at its designed place with the colour mode of the
# settings file; a close message from outside (as the taskbar sends it) ends the program
# without a question and saves the mode; the colorization written last stays after the
# end. Then two copies run side by side.
# shellcheck source=e2e-lib.sh
source "$(dirname "$0")/e2e-lib.sh"
e2e_begin lifecycle-start-and-close

exe=$(private_exe)
ini=$(dirname "$exe")/Tintara.ini
write_record 0x11223344 0x55667788 12 34 -56 78 0x9ABCDEF0
# Orange in the middle of a blue icon: the centre rule gives orange, the most-used blue.
export TINTARA_STANDIN_PEERS="orangeonblue32"

# No settings file: the centre rule, and the close creates the file.
start_tintara "$exe"
probe wait-main normal >/dev/null
[ "$(main_field left),$(main_field top)" = "340,411" ] || fail "not centred: $(probe main-state)"
probe wait-tray absent >/dev/null
screenshot normal-start
wait_for_peers
wait_for_log '^write Color=00FF8000 '
probe post-close >/dev/null
wait_program_end
[ "$(log_count '^write ')" -eq 1 ] || fail "expected one write"
grep -q 'Color_Mode=(use center color)' "$ini" || fail "the close did not save the mode"
[ "$(od -An -tx4 -N4 "$TINTARA_STANDIN_RECORD" | tr -d ' ')" = "00ff8000" ] ||
  fail "the last colorization did not stay after the end"

# The mode comes from the file at the next start.
printf '[General]\r\nColor_Mode=(most used color)\r\n' >"$ini"
start_tintara "$exe"
wait_for_peers
wait_for_log '^write Color=000000FF '
probe post-close >/dev/null
wait_program_end
grep -q 'Color_Mode=(most used color)' "$ini" || fail "the mode was not saved back"

# Two copies, one after the other, both run.
unset TINTARA_STANDIN_PEERS
start_tintara "$exe"
first=$E2E_PID
probe wait-main visible >/dev/null
start_tintara "$exe"
probe wait-main-count 2 >/dev/null
kill -0 "$first" 2>/dev/null || fail "the first copy ended when the second started"
kill -KILL "$first" 2>/dev/null || true
echo "PASS: start, close from outside with save, mode from the file, two copies"
