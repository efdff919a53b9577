#!/usr/bin/env bash
# The notification area: a start with the launch switch (any letter case, or quoted)
# shows only the icon; its menu, opened by a real right-click on the icon, brings the
# window back at its designed place; "_" sends it back; the menu's exit asks, No keeps
# everything, Yes saves, removes the icon and ends. Other clicks on the icon do nothing.
# shellcheck source=e2e-lib.sh
source "$(dirname "$0")/e2e-lib.sh"
e2e_begin lifecycle-tray

exe=$(private_exe)
ini=$(dirname "$exe")/Tintara.ini

start_tintara "$exe" AutoStart
probe wait-tray present wait-main hidden >/dev/null
[ "$(main_field minimized)" = 0 ] || fail "a hidden start minimised the window"
e2e_stop
probe wait-tray absent >/dev/null
# The switch in quotes, as a shortcut may pass it: started with that exact command line,
# and ended by a close message to the hidden window.
probe launch "$exe" '"autostart"' wait-tray present wait-main hidden post-close wait-main gone \
  >/dev/null
# That close saved the settings; the exit below must show its own saving.
rm -f "$ini"

start_tintara "$exe" autostart
probe wait-tray present >/dev/null
# A left click, a double click and a move over the icon do nothing.
click_tray_icon 1
probe tray ldbl tray move tray rdown >/dev/null
sleep 1
probe main-state | grep -q 'visible=0' || fail "a left click showed the window"
probe wait-no-menu >/dev/null

click_tray_icon 3
probe wait-menu >/dev/null
screenshot tray-menu
xdotool key s
probe wait-no-menu wait-main normal wait-tray absent >/dev/null
[ "$(main_field left),$(main_field top)" = "340,411" ] || fail "not at its place: $(probe main-state)"
screenshot shown-from-tray

# "_" at (569, 17) of the window: minimised, hidden, icon back.
xdotool mousemove $((340 + 569)) $((411 + 17)) click 1
probe wait-main hidden wait-tray present >/dev/null
[ "$(main_field minimized)" = 1 ] || fail "\"_\" did not minimise the window"

# Exit from the menu, answered No: nothing changes.
click_tray_icon 3
probe wait-menu >/dev/null
xdotool key e
box=$(probe wait-box Warning)
echo "$box" | grep -qF 'text=Are you sure to exit? buttons=&Yes|&No' || fail "unexpected box: $box"
probe answer Warning No wait-no-box >/dev/null
probe wait-tray present wait-main hidden >/dev/null
[ ! -e "$ini" ] || fail "No saved the settings"

# Answered Yes: saved, icon gone, program ended; the window stayed hidden.
click_tray_icon 3
probe wait-menu >/dev/null
xdotool key e
probe answer Warning Yes >/dev/null
wait_program_end
grep -q 'Color_Mode=(use center color)' "$ini" || fail "Yes did not save the mode"
probe wait-tray absent >/dev/null
echo "PASS: hidden start, menu, restore, minimise to the tray, exit with No and Yes"
