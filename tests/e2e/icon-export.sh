#!/usr/bin/env bash
# The captured icon is saved through the real save dialog: a click on the icon opens it,
# the poll stands still while it is open (a window brought to the front meanwhile is
# not captured) and runs again afterwards, and the file written, with ".ico" appended,
# is read back by ImageMagick as the captured icon. Then the logo opens the details
# window, centred over the main window.
# shellcheck source=e2e-lib.sh
source "$(dirname "$0")/e2e-lib.sh"
e2e_begin icon-export

mkdir -p "$E2E_WORK/icons"
export TINTARA_STANDIN_PEERS="red16,green32"
export TINTARA_STANDIN_EXPORT="$E2E_WORK/icons/logo"
export TINTARA_STANDIN_DETAILS=1
start_tintara
wait_for_peers
E2E_FAIL_PATTERN='^export dialog (did not open|did not close)$|^export found no|^details (did not|found no)'
wait_for_log '^export dialog answered$'
# The poll runs again: the window brought to the front after the save is captured.
wait_for_log '^write Color=00FF00FF '
wait_for_log '^details shown '
import -window root "$E2E_WORK/screen.png" 2>/dev/null || true

# Nothing was captured between the click and the end of the save.
during=$(sed -n '/^export dialog open$/,/^export dialog answered$/p' "$TINTARA_STANDIN_LOG")
if grep -q '^write ' <<<"$during"; then
  printf '%s\n' "$during"
  fail "a colorization was written while the save dialog was open"
fi

file=$E2E_WORK/icons/logo.ico
[ -f "$file" ] || fail "no logo.ico was written"
[ "$(ls "$E2E_WORK/icons")" = "logo.ico" ] || fail "other files beside logo.ico: $(ls "$E2E_WORK/icons")"
# 32 x 32 at 32 bits: the documented directory entry, 4264 bytes of image at offset 22.
entry=$(od -An -tx1 -j6 -N16 "$file" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//')
[ "$entry" = "20 20 20 00 00 00 00 00 a8 10 00 00 16 00 00 00" ] || fail "directory entry: $entry"
[ "$(stat -c %s "$file")" = 4286 ] || fail "logo.ico has $(stat -c %s "$file") bytes"
[ "$(identify -format '%w %h' "$file")" = "32 32" ] || fail "ImageMagick reads $(identify "$file")"
# Every pixel the captured icon's opaque green (the first line is ImageMagick's header).
colors=$(convert "$file" -unique-colors -depth 8 txt:- | tail -n +2)
[ "$(wc -l <<<"$colors")" = 1 ] && grep -q '#00FF00FF' <<<"$colors" ||
  fail "logo.ico is not the opaque green icon captured: $colors"

# Centred over the main window: the same left edge, 63 pixels higher (not above the
# screen's top).
line=$(grep -m1 '^details shown ' "$TINTARA_STANDIN_LOG")
read -r left top width height main_left main_top < <(sed -E \
  's/.*left=(-?[0-9]+) top=(-?[0-9]+) width=([0-9]+) height=([0-9]+) main left=(-?[0-9]+) top=(-?[0-9]+)/\1 \2 \3 \4 \5 \6/' \
  <<<"$line")
expected_top=$((main_top - 63 < 0 ? 0 : main_top - 63))
[ "$width x $height" = "600 x 328" ] || fail "the details window is $width x $height"
[ "$left" = "$main_left" ] && [ "$top" = "$expected_top" ] ||
  fail "the details window is at $left,$top; the main window at $main_left,$main_top"
echo "PASS: the captured icon saved as logo.ico with the poll paused; details shown"
