#!/usr/bin/env bash
# With composition off, or the composition query failing, the program neither reads nor
# writes the colorization.  Usage: composition-unavailable.sh off|fail
# shellcheck source=e2e-lib.sh
source "$(dirname "$0")/e2e-lib.sh"
mode=${1:?off or fail}
e2e_begin "composition-$mode"

write_record 0x11223344 0x55667788 12 34 -56 78 0x9ABCDEF0
export TINTARA_STANDIN_COMPOSITION=$mode
export TINTARA_STANDIN_PEERS="red16,blue16"
E2E_FAIL_PATTERN='^(read|write) '
start_tintara
wait_for_peers
case $mode in
  off) wait_for_log '^query hr=00000000 enabled=0$' 2 5 ;;
  fail) wait_for_log '^query hr=80004005$' 2 5 ;;
  *) fail "unknown mode $mode" ;;
esac
e2e_stop

[ "$(log_count '^read ')" -eq 0 ] || fail "the program read the colorization"
[ -z "$(writes)" ] || fail "the program wrote the colorization"
echo "PASS: composition $mode, nothing read or written"
