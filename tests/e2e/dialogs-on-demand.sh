#!/usr/bin/env bash
# The common dialogs library is not part of the program at rest: after start-up and a
# capture it is still not mapped into the process, while the common controls, which
# the themed check box needs from the start, are. The dialogs load it when first shown
# (the Win32 backend tests open both).
# shellcheck source=e2e-lib.sh
source "$(dirname "$0")/e2e-lib.sh"
e2e_begin dialogs-on-demand

export TINTARA_STANDIN_PEERS="red16"
start_tintara
wait_for_peers
wait_for_log '^write Color=00FF0000 '

maps=/proc/$E2E_PID/maps
grep -qi 'comctl32\.dll' "$maps" || fail "the maps do not show the common controls; is $E2E_PID the program?"
if grep -qi 'comdlg32\.dll' "$maps"; then
  fail "the common dialogs library is loaded at rest"
fi
echo "PASS: common controls loaded, common dialogs not"
