#!/usr/bin/env bash
# When the current colorization cannot be read, the program writes nothing: writing
# back the zeroed record would wipe the user's settings.
# shellcheck source=e2e-lib.sh
source "$(dirname "$0")/e2e-lib.sh"
e2e_begin read-failure

write_record 0x11223344 0x55667788 12 34 -56 78 0x9ABCDEF0
cp "$TINTARA_STANDIN_RECORD" "$E2E_WORK/record.before"
export TINTARA_STANDIN_READ=fail
export TINTARA_STANDIN_PEERS="red16,blue16"
E2E_FAIL_PATTERN='^write '
start_tintara
wait_for_peers
# The program reached the colorization for both windows while they were in front.
wait_for_log '^read hr=80004005$' 2 5
e2e_stop

[ -z "$(writes)" ] || fail "the program wrote although the read failed"
cmp -s "$TINTARA_STANDIN_RECORD" "$E2E_WORK/record.before" || fail "the record changed"
echo "PASS: failed reads, no writes"
