#!/usr/bin/env bash
# Without the colorization library the program starts, follows the foreground window
# and ends normally; while its exit question is open the tracker goes on.
# shellcheck source=e2e-lib.sh
source "$(dirname "$0")/e2e-lib.sh"
e2e_begin lifecycle-no-library

exe=$(private_exe)
ini=$(dirname "$exe")/Tintara.ini
# The library is disabled for this run: no stand-in, no Wine library.
WINEDLLOVERRIDES="dwmapi=" start_tintara "$exe"
probe wait-main normal >/dev/null
[ ! -e "$TINTARA_STANDIN_LOG" ] || fail "the library was loaded after all"
xdotool mousemove $((340 + 583)) $((411 + 17)) click 1
probe answer Warning Yes >/dev/null
wait_program_end
[ -e "$ini" ] || fail "the normal end did not save"

# With the library: the exit question is up while peers come to the front, and each
# one is still captured.
export TINTARA_STANDIN_PEERS="red16,green16,blue16" TINTARA_STANDIN_PEER_DELAY_MS=3000
start_tintara "$exe"
probe wait-main normal >/dev/null
xdotool mousemove $((340 + 583)) $((411 + 17)) click 1
probe wait-box Warning >/dev/null
wait_for_peers
wait_for_log '^write Color=000000FF '
probe answer Warning No wait-no-box wait-main visible >/dev/null
[ "$(log_count '^write ')" -eq 3 ] || fail "captures stopped while the question was open"
echo "PASS: no library, normal end; the tracker kept going under the exit question"
