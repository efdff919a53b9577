#!/usr/bin/env bash
# Many foreground changes: windows with icons of 16, 32, 48 and 256 pixels and a window
# without an icon come to the front again and again, each change waiting until the
# program has dealt with it. Every window with an icon must write exactly one
# colorization; the process's GDI objects, windows and icons must not grow beyond a
# small constant. The figures per 1,000 changes (least squares over the samples the
# stand-in takes after the first round, when every window is open and has been
# captured once) are printed; the log of colorizations grows by one line per write, so
# resident memory is expected to grow by that and nothing else.
#
#   soak.sh [rounds]     five changes per round, default 60 (300 changes)
#
# SOAK_SAMPLE_EVERY (rounds between samples, default 10); SOAK_MAX_GDI_GROWTH and
# SOAK_MAX_USER_GROWTH (default 4 and 2) bound the growth from the first sample to the
# last.
# shellcheck source=e2e-lib.sh
source "$(dirname "$0")/e2e-lib.sh"

rounds=${1:-60}
peers="red16,green32,blue48,yellowonpurple256,noicon"
icon_windows=4
changes=$((rounds * 5))
max_gdi=${SOAK_MAX_GDI_GROWTH:-4}
max_user=${SOAK_MAX_USER_GROWTH:-2}

e2e_begin soak
write_record 0x11223344 0x55667788 12 34 -56 78 0x9ABCDEF0
export TINTARA_STANDIN_PEERS=$peers
export TINTARA_STANDIN_PEER_ROUNDS=$rounds
export TINTARA_STANDIN_PEER_PAUSE_MS=0
export TINTARA_STANDIN_SAMPLE_EVERY=${SOAK_SAMPLE_EVERY:-10}
start_tintara
# A change takes a tick of the 100 ms poll and the capture; a second each is generous
# on a loaded machine, and a change that is not dealt with fails at once.
E2E_FAIL_PATTERN='was not handled in round' wait_for_log '^peers done$' 1 $((E2E_DEADLINE_S + changes))
wait_for_peers

written=$(log_count '^write ')
expected=$((rounds * icon_windows))
[ "$written" -eq "$expected" ] ||
  fail "$written colorizations written for $expected changes to a window with an icon"

# "sample round=R changes=C gdi=G windows=W icons=I rss_kb=K" -> "C G W I K"
samples=$(sed -n -E 's/^sample round=[0-9]+ changes=([0-9]+) gdi=([0-9]+) windows=([0-9]+) icons=([0-9]+) rss_kb=(-?[0-9]+)$/\1 \2 \3 \4 \5/p' \
  "$TINTARA_STANDIN_LOG")
[ "$(echo "$samples" | wc -l)" -ge 2 ] || fail "fewer than two samples in the log"
echo "$samples" | awk '$2 == 0 || $3 == 0 { bad = 1 } END { exit bad }' ||
  fail "a sample counted no GDI object or no window: the counting is broken"

# Slopes per 1,000 changes by least squares, and the growth from the first sample to
# the last.
report=$(echo "$samples" | awk '
  { n++; x[n] = $1; for (k = 2; k <= 5; k++) y[k, n] = $k }
  END {
    for (i = 1; i <= n; i++) { sx += x[i]; sxx += x[i] * x[i] }
    d = n * sxx - sx * sx
    for (k = 2; k <= 5; k++) {
      sy = 0; sxy = 0
      for (i = 1; i <= n; i++) { sy += y[k, i]; sxy += x[i] * y[k, i] }
      slope[k] = d == 0 ? 0 : (n * sxy - sx * sy) / d * 1000
      growth[k] = y[k, n] - y[k, 1]
    }
    printf "samples %d over changes %d..%d\n", n, x[1], x[n]
    printf "per 1000 changes: gdi %+.2f  windows %+.2f  icons %+.2f  rss %+.0f kB\n",
      slope[2], slope[3], slope[4], slope[5]
    printf "first to last sample: gdi %+d  windows %+d  icons %+d  rss %+d kB\n",
      growth[2], growth[3], growth[4], growth[5]
    printf "growth %d %d\n", growth[2], growth[3] + growth[4]
  }')
echo "changes $changes ($rounds rounds), colorizations written $written of $expected expected"
echo "$report" | grep -v '^growth '
read -r _ gdi_growth user_growth < <(echo "$report" | grep '^growth ')
[ "$gdi_growth" -le "$max_gdi" ] || fail "GDI objects grew by $gdi_growth (at most $max_gdi)"
[ "$user_growth" -le "$max_user" ] ||
  fail "windows and icons grew by $user_growth (at most $max_user)"
echo "PASS: $changes changes, one colorization per icon, no GDI or USER growth"
