#!/usr/bin/env bash
# A "dwmapi.dll" placed beside tintara.exe is never loaded: the program takes the
# colorization library from the system folder only.
# shellcheck source=e2e-lib.sh
source "$(dirname "$0")/e2e-lib.sh"
: "${TINTARA_PLANTED_DLL:?}"
e2e_begin planted-library

app=$E2E_WORK/app
mkdir -p "$app"
cp "$TINTARA_EXE" "$app/tintara.exe"
cp "$TINTARA_PLANTED_DLL" "$app/dwmapi.dll"
export TINTARA_PLANTED_MARKER=$E2E_WORK/planted-loaded

write_record 0x11223344 0x55667788 12 34 -56 78 0x9ABCDEF0
export TINTARA_STANDIN_PEERS="red16"
E2E_FAIL_PATTERN='^load planted '
start_tintara "$app/tintara.exe"
wait_for_peers
wait_for_log '^write Color=00FF0000 '
e2e_stop

[ ! -e "$TINTARA_PLANTED_MARKER" ] || fail "the planted library was loaded: $(cat "$TINTARA_PLANTED_MARKER")"
[ "$(log_count '^load planted ')" -eq 0 ] || fail "the planted library was loaded"
[ "$(log_count '^load module=C:\\windows\\system32\\dwmapi\.dll$')" -eq 1 ] ||
  fail "the stand-in was not loaded from the system folder exactly once"
echo "PASS: the planted library stayed unloaded, the system one received the write"
