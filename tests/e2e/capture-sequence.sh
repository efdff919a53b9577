#!/usr/bin/env bash
# Windows with known icons come to the front one after another; for each one that has
# an icon the program writes the icon's centre colour with intensity 70 and leaves the
# other fields as it read them. A window without an icon writes nothing, and a window
# that never answers its icon request does not stop the program.
# shellcheck source=e2e-lib.sh
source "$(dirname "$0")/e2e-lib.sh"
e2e_begin capture-sequence

write_record 0x11223344 0x55667788 12 34 -56 78 0x9ABCDEF0
export TINTARA_STANDIN_PEERS="red16,noicon,green32:wmgeticon,stuck,orangeonblue32,purple48:wmbig,yellowonred24:wmsmall2"
start_tintara
wait_for_peers
# The stuck window really was asked for its icon by the program, and hung.
wait_for_log '^peer stuck hangs on an icon request from another thread$'

rest="Afterglow=55667788 Intensity=70 AfterglowBalance=34 BlurBalance=-56 GlassReflectionIntensity=78 Opaque=9ABCDEF0 Argument=0"
expected="write Color=00FF0000 $rest
write Color=0000FF00 $rest
write Color=00FF8000 $rest
write Color=008000FF $rest
write Color=00FFFF00 $rest"
actual=$(writes)
if [ "$actual" != "$expected" ]; then
  printf 'expected writes:\n%s\nactual writes:\n%s\n' "$expected" "$actual"
  fail "the colorizations written differ"
fi

# Each write is read back; the last one is what the record holds now.
[ "$(od -An -tx4 -N4 "$TINTARA_STANDIN_RECORD" | tr -d ' ')" = "00ffff00" ] ||
  fail "the record does not hold the last colour written"
echo "PASS: five captures in order, the stuck window skipped"
