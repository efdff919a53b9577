#!/usr/bin/env bash
# Builds tintara.exe and runs it under Wine, installing whatever is missing first.
#
# With a display the program runs on it until it ends. Without one it runs on a virtual
# display for a short demonstration: the colorization stand-in opens a few windows with
# icons and brings them to the front one after another, the colorizations the program
# writes are printed, and a screenshot is saved to build/windows/demo.png. The screen is
# large enough for the peers' two rows to stay clear of the main window in its middle,
# which shows the last icon captured and its colour.
#
# Wine has no colorization of its own, so the program's private prefix gets the stand-in
# "dwmapi.dll", which keeps the colorization in build/windows/run/record.bin and logs
# every write to build/windows/run/colorization.log.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/windows
runner=$root/cmake/wine-run.sh
export TINTARA_BUILD_DIR=$build

demo_peers="red32,orangeonblue32,green48:wmgeticon,yellowonpurple32,cyan32"
demo_pause_ms=1200
demo_deadline_s=40

tintara_exe() {
  local exe=$build/src/tintara.exe
  [ -f "$exe" ] || exe=$(find "$build" -name tintara.exe -not -path '*/e2e-work/*' -print -quit)
  [ -n "$exe" ] || {
    echo "run: tintara.exe was not built" >&2
    exit 1
  }
  echo "$exe"
}

# Ends every program of the private prefix (the desktop and tintara.exe in it).
stop_prefix() {
  WINEPREFIX=${TINTARA_WINEPREFIX:-$build/wineprefix} wineserver -k 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}

# The demonstration proper, on the virtual display that xvfb-run made for it.
demo_on_display() {
  local exe demo pid deadline
  exe=$(tintara_exe)
  demo=$build/demo
  rm -rf "$demo"
  mkdir -p "$demo"
  export TINTARA_STANDIN_LOG=$demo/colorization.log
  export TINTARA_STANDIN_RECORD=$demo/record.bin
  export TINTARA_STANDIN_PEERS=$demo_peers
  export TINTARA_STANDIN_PEER_PAUSE_MS=$demo_pause_ms

  echo "Starting tintara.exe under Wine on virtual display $DISPLAY"
  # Inside a Wine desktop window, Wine draws the window frames itself: the bare virtual
  # display has no window manager to do it.
  "$runner" explorer /desktop=Tintara,1600x1200 "$exe" >"$demo/program.out" 2>&1 &
  pid=$!
  deadline=$((SECONDS + demo_deadline_s))
  until grep -q '^peers done$' "$TINTARA_STANDIN_LOG" 2>/dev/null; do
    if ! kill -0 "$pid" 2>/dev/null; then
      echo "run: tintara.exe ended early" >&2
      cat "$demo/program.out" >&2
      exit 1
    fi
    if [ "$SECONDS" -ge "$deadline" ]; then
      echo "run: the demonstration did not finish within ${demo_deadline_s}s" >&2
      stop_prefix "$pid"
      exit 1
    fi
    sleep 0.2
  done
  import -window root "$build/demo.png"
  stop_prefix "$pid"

  echo
  echo "Windows brought to the front and the colorizations tintara.exe wrote:"
  grep -E '^(peer [^ ]+ window|write )' "$TINTARA_STANDIN_LOG" |
    sed -e 's/^peer \([^ ]*\) window=\([0-9A-F]*\)$/  window \2 with icon "\1" in front/' \
      -e 's/^write /    written: /'
  echo
  echo "Screenshot: $build/demo.png"
  echo "Full stand-in log: $TINTARA_STANDIN_LOG"
}

if [ "${TINTARA_RUN_STAGE:-}" = demo-on-display ]; then
  demo_on_display
  exit 0
fi

cd "$root"
bash scripts/install-deps.sh
cmake --preset windows
cmake --build --preset windows

if [ -n "${DISPLAY:-}" ]; then
  mkdir -p "$build/run"
  export TINTARA_STANDIN_LOG=$build/run/colorization.log
  export TINTARA_STANDIN_RECORD=$build/run/record.bin
  echo "Running tintara.exe under Wine on $DISPLAY; colorizations are logged to"
  echo "$TINTARA_STANDIN_LOG. Stop it with Ctrl+C."
  "$runner" "$(tintara_exe)" &
  pid=$!
  # A program under Wine ignores Ctrl+C, so the script ends it.
  trap 'kill -KILL "$pid" 2>/dev/null || true' INT TERM
  status=0
  wait "$pid" || status=$?
  wait "$pid" 2>/dev/null || true
  exit "$status"
fi

echo "No display: a short demonstration on a virtual display follows."
TINTARA_RUN_STAGE=demo-on-display xvfb-run -a -s "-screen 0 1600x1200x24" bash "$0"
