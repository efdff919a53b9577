# shellcheck shell=bash
# Shared steps of the end-to-end checks: the real tintara.exe under Wine with the
# colorization stand-in, whose log tells what the program did. Sourced by the checks.
#
# From the test registration: TINTARA_BUILD_DIR, TINTARA_EXE, TINTARA_WINE_RUN and, for
# the planted-library check, TINTARA_PLANTED_DLL.
set -euo pipefail

: "${TINTARA_BUILD_DIR:?}" "${TINTARA_EXE:?}" "${TINTARA_WINE_RUN:?}"
export TINTARA_BUILD_DIR

# E2E_KEEP=1 keeps the work folder of a passing check for a look at its logs.
# Waits are polls with a deadline; nothing in a check sleeps longer than one poll.
E2E_DEADLINE_S=${E2E_DEADLINE_S:-40}
E2E_WORK=
E2E_PID=
export TINTARA_STANDIN_LOG='' TINTARA_STANDIN_RECORD=''
# Each check says itself how the stand-in behaves.
unset TINTARA_STANDIN_COMPOSITION TINTARA_STANDIN_READ TINTARA_STANDIN_PEERS \
  TINTARA_STANDIN_PEER_DELAY_MS TINTARA_STANDIN_PEER_PAUSE_MS TINTARA_STANDIN_PEER_ROUNDS \
  TINTARA_STANDIN_SAMPLE_EVERY TINTARA_PLANTED_MARKER

# A fresh work folder for this check, removed again when the check passes.
e2e_begin() {
  E2E_WORK=$TINTARA_BUILD_DIR/e2e-work/$1
  rm -rf "$E2E_WORK"
  mkdir -p "$E2E_WORK"
  TINTARA_STANDIN_LOG=$E2E_WORK/standin.log
  TINTARA_STANDIN_RECORD=$E2E_WORK/record.bin
  trap e2e_end EXIT
}

e2e_end() {
  local status=$?
  e2e_stop
  if [ "$status" -eq 0 ]; then
    [ -n "${E2E_KEEP:-}" ] || rm -rf "$E2E_WORK"
  else
    echo "--- stand-in log ($TINTARA_STANDIN_LOG)"
    cat "$TINTARA_STANDIN_LOG" 2>/dev/null || echo "(none)"
    echo "--- program output"
    cat "$E2E_WORK/program.out" 2>/dev/null || true
  fi
  exit "$status"
}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The 32-bit little-endian bytes of a number (negative ones as two's complement).
le32() {
  local v=$(($1 & 0xFFFFFFFF))
  printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((v & 255)) $(((v >> 8) & 255)) \
    $(((v >> 16) & 255)) $(((v >> 24) & 255))
}

# Prepares the stand-in's record: Color Afterglow Intensity AfterglowBalance BlurBalance
# GlassReflectionIntensity and the seventh field, as numbers.
write_record() {
  [ $# -eq 7 ] || fail "write_record takes seven fields"
  local bytes="" field
  for field in "$@"; do bytes+=$(le32 "$field"); done
  printf '%b' "$bytes" >"$TINTARA_STANDIN_RECORD"
}

# Starts the program (default: the built tintara.exe) under Wine in the background.
start_tintara() {
  local exe=${1:-$TINTARA_EXE}
  shift || true
  "$TINTARA_WINE_RUN" "$exe" "$@" >"$E2E_WORK/program.out" 2>&1 &
  E2E_PID=$!
}

# Ends the program. Nothing in it needs an orderly end, and a kill also ends one that
# hangs; Wine's server then ends the prefix's helper processes by itself.
e2e_stop() {
  [ -n "$E2E_PID" ] || return 0
  kill -KILL "$E2E_PID" 2>/dev/null || true
  wait "$E2E_PID" 2>/dev/null || true
  E2E_PID=
}

log_count() {
  local n
  n=$(grep -c -E "$1" "$TINTARA_STANDIN_LOG" 2>/dev/null) || true
  echo "${n:-0}"
}

# Polls the stand-in log until the pattern has matched at least count lines, for at
# most the given seconds. A line matching E2E_FAIL_PATTERN, when set, fails at once.
wait_for_log() {
  local pattern=$1 count=${2:-1} seconds=${3:-$E2E_DEADLINE_S}
  local deadline=$((SECONDS + seconds))
  while [ "$(log_count "$pattern")" -lt "$count" ]; do
    if [ -n "${E2E_FAIL_PATTERN:-}" ] && [ "$(log_count "$E2E_FAIL_PATTERN")" -gt 0 ]; then
      fail "the log shows '$E2E_FAIL_PATTERN'"
    fi
    if [ -n "$E2E_PID" ] && ! kill -0 "$E2E_PID" 2>/dev/null; then
      local status=0
      wait "$E2E_PID" 2>/dev/null || status=$?
      E2E_PID=
      fail "the program ended (exit status $status) while waiting for $count x '$pattern'"
    fi
    [ "$SECONDS" -lt "$deadline" ] || fail "no $count x '$pattern' within ${seconds}s"
    sleep 0.1
  done
}

# The peers opened a window for every item and kept each in front for the pause.
wait_for_peers() {
  wait_for_log '^peers done$'
  if grep -q -E '^peer .* rejected$' "$TINTARA_STANDIN_LOG"; then
    fail "the stand-in rejected a peer item"
  fi
  if grep -q -E '^peer .* (did not come to the front|could not be opened)$' "$TINTARA_STANDIN_LOG"; then
    fail "a peer window did not come to the front"
  fi
}

writes() {
  grep -E '^write ' "$TINTARA_STANDIN_LOG" || true
}

# --- the program's own windows, seen and used from another process of the prefix ---

# Runs tintara-probe.exe with the given commands (see tests/e2e/probe) and prints what
# it says; fails the check when a command fails.
probe() {
  : "${TINTARA_PROBE:?}"
  local out
  out=$("$TINTARA_WINE_RUN" "$TINTARA_PROBE" "$@" 2>/dev/null) || {
    echo "$out"
    fail "probe $*"
  }
  echo "$out"
}

# A copy of tintara.exe in a folder of its own under the work folder, so its settings
# file (beside the exe) belongs to this check alone. Prints the copy's path.
private_exe() {
  local dir=$E2E_WORK/${1:-app}
  mkdir -p "$dir"
  cp "$TINTARA_EXE" "$dir/tintara.exe"
  echo "$dir/tintara.exe"
}

# Waits until the program started last has ended by itself.
wait_program_end() {
  local seconds=${1:-$E2E_DEADLINE_S} deadline
  deadline=$((SECONDS + seconds))
  while kill -0 "$E2E_PID" 2>/dev/null; do
    [ "$SECONDS" -lt "$deadline" ] || fail "the program did not end within ${seconds}s"
    sleep 0.1
  done
  wait "$E2E_PID" 2>/dev/null || true
  E2E_PID=
}

# The main window's field (visible, minimized, left, top, ...) as the probe sees it.
main_field() {
  probe main-state | sed -n "s/.* $1=\([-0-9]*\).*/\1/p"
}

# A screenshot of the whole virtual display into the work folder.
screenshot() {
  import -window root "$E2E_WORK/$1.png"
}

# The notification area's own window: on a bare X display Wine shows the icons in a
# small window of its own ("Wine System Tray"). Clicks the program's icon in it.
click_tray_icon() {
  local button=$1 window geometry x y
  window=$(xdotool search --name "Wine System Tray" | head -1)
  [ -n "$window" ] || fail "no Wine System Tray window"
  geometry=$(xdotool getwindowgeometry "$window")
  x=$(echo "$geometry" | sed -n 's/.*Position: \([0-9]*\),.*/\1/p')
  y=$(echo "$geometry" | sed -n 's/.*Position: [0-9]*,\([0-9]*\).*/\1/p')
  # The first icon sits at the left end of the window.
  xdotool mousemove $((x + 10)) $((y + 10)) click "$button"
}
