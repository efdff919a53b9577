#!/usr/bin/env bash
# Idle memory of tintara.exe against a bare window program with the same 100 ms timer,
# both started side by side under Wine in the build's private prefix and on one display.
# Reports each program's proportional set size (Pss, from /proc/<pid>/smaps_rollup: a
# page shared by n processes counts 1/n) once both have settled, the median of three
# samples, and how far tintara.exe lies above the bare program.
#
#   bash bench/idle-memory.sh [--detail] [tintara.exe]
#
# Needs a windows build (targets tintara, bare_window and dwmapi_standin). Without a
# display it runs itself on a virtual one. --detail adds the mappings that make up the
# difference, largest first. Any tintara.exe may be named, so that an older build can be
# measured in the same run conditions.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TINTARA_BUILD_DIR:-$root/build/windows}
export TINTARA_BUILD_DIR=$build

detail=
if [ "${1:-}" = --detail ]; then
  detail=1
  shift
fi
tintara=$(realpath "${1:-$build/src/tintara.exe}")
bare=$build/bench/idle/bare_window.exe
for exe in "$tintara" "$bare"; do
  [ -f "$exe" ] || {
    echo "idle-memory: $exe is not built" >&2
    exit 2
  }
done

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" ${detail:+--detail} "$tintara"
fi

settle_deadline_s=90
work=$(mktemp -d)
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill -KILL "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# The stand-in keeps its record and log in the work folder; nothing else is told to it.
export TINTARA_STANDIN_LOG=$work/standin.log TINTARA_STANDIN_RECORD=$work/record.bin
unset TINTARA_STANDIN_PEERS TINTARA_STANDIN_COMPOSITION TINTARA_STANDIN_READ

pss_kb() {
  awk '/^Pss:/ { print $2; found = 1 } END { if (!found) print 0 }' "/proc/$1/smaps_rollup"
}
# Unique set size: the pages no other process maps, what ending the process would free.
# Unlike Pss it does not move when another process of the prefix maps a library too.
uss_kb() {
  awk '/^Private_(Clean|Dirty):/ { sum += $2 } END { print sum + 0 }' "/proc/$1/smaps_rollup"
}

# The prefix (made on first use) and its own processes come up before the two programs
# start, so that neither pays for them alone.
"$root/cmake/wine-run.sh" cmd.exe /c exit >/dev/null 2>&1

"$root/cmake/wine-run.sh" "$bare" >"$work/bare.out" 2>&1 &
pids+=($!)
"$root/cmake/wine-run.sh" "$tintara" >"$work/tintara.out" 2>&1 &
pids+=($!)

# Wine names a process after its program once the program is loaded; the run begins
# there. Settled: both are alive and neither one's Pss moved by more than 1% over the
# last three one-second polls, and both have run for at least five seconds.
started=$SECONDS
names=("$(basename "$bare")" "$(basename "$tintara")")
for i in 0 1; do
  # The kernel keeps 15 characters of a process name.
  until [ "$(cat "/proc/${pids[i]}/comm" 2>/dev/null)" = "${names[i]:0:15}" ]; do
    kill -0 "${pids[i]}" 2>/dev/null || {
      echo "idle-memory: ${names[i]} did not start" >&2
      cat "$work"/*.out >&2
      exit 1
    }
    [ $((SECONDS - started)) -lt "$settle_deadline_s" ] || {
      echo "idle-memory: ${names[i]} did not start within ${settle_deadline_s}s" >&2
      exit 1
    }
    sleep 0.2
  done
done
declare -a history_bare=() history_tintara=()
started=$SECONDS
while :; do
  for pid in "${pids[@]}"; do
    kill -0 "$pid" 2>/dev/null || {
      echo "idle-memory: a program ended early" >&2
      cat "$work"/*.out >&2
      exit 1
    }
  done
  history_bare+=("$(pss_kb "${pids[0]}")")
  history_tintara+=("$(pss_kb "${pids[1]}")")
  n=${#history_bare[@]}
  if [ $((SECONDS - started)) -ge 5 ] && [ "$n" -ge 4 ]; then
    steady=1
    for series in history_bare history_tintara; do
      declare -n values=$series
      newest=${values[n - 1]}
      for old in "${values[n - 2]}" "${values[n - 3]}" "${values[n - 4]}"; do
        diff=$((newest > old ? newest - old : old - newest))
        [ $((diff * 100)) -le "$newest" ] || steady=
      done
      unset -n values
    done
    [ -z "$steady" ] || break
  fi
  if [ $((SECONDS - started)) -ge "$settle_deadline_s" ]; then
    echo "idle-memory: memory did not settle within ${settle_deadline_s}s" >&2
    exit 1
  fi
  sleep 1
done

median3() { printf '%s\n' "$@" | sort -n | sed -n 2p; }
samples_bare=() samples_tintara=()
for _ in 1 2 3; do
  samples_bare+=("$(pss_kb "${pids[0]}")")
  samples_tintara+=("$(pss_kb "${pids[1]}")")
  sleep 1
done
bare_kb=$(median3 "${samples_bare[@]}")
tintara_kb=$(median3 "${samples_tintara[@]}")
bare_uss=$(uss_kb "${pids[0]}")
tintara_uss=$(uss_kb "${pids[1]}")

mb() { awk -v kb="$1" 'BEGIN { printf "%.1f MB", kb / 1024 }'; }
echo "Idle memory, side by side under Wine (Pss: median of 3 samples after settling):"
printf '  %-16s %-10s %s\n' "" "Pss" "USS" \
  "bare_window.exe" "$(mb "$bare_kb")" "$(mb "$bare_uss")" \
  "$(basename "$tintara")" "$(mb "$tintara_kb")" "$(mb "$tintara_uss")" \
  "difference" "$(mb $((tintara_kb - bare_kb)))" "$(mb $((tintara_uss - bare_uss)))"

if [ -n "$detail" ]; then
  # Pss per mapped file (anonymous memory under its kind), tintara minus bare.
  by_mapping() {
    awk '/^[0-9a-f]+-[0-9a-f]+ / { name = (NF >= 6) ? $6 : "[anonymous]" }
         /^Pss:/ { pss[name] += $2 }
         END { for (n in pss) print n "\t" pss[n] }' "/proc/$1/smaps"
  }
  by_mapping "${pids[0]}" >"$work/bare.map"
  by_mapping "${pids[1]}" >"$work/tintara.map"
  echo "Largest differences by mapping (kB, tintara minus bare):"
  awk -F'\t' 'NR == FNR { bare[$1] = $2; next } { d = $2 - bare[$1]; delete bare[$1]
               print d "\t" $1 }
              END { for (n in bare) print -bare[n] "\t" n }' "$work/bare.map" "$work/tintara.map" |
    sort -t$'\t' -k1,1nr | awk -F'\t' '$1 >= 64 || $1 <= -64 { printf "  %8d  %s\n", $1, $2 }'
fi
