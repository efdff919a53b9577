#!/usr/bin/env bash
# Runs every test suite on a Debian 12 machine, installing what is missing:
#   1. host unit tests (GoogleTest against the in-memory desktop) and a benchmark smoke run,
#   2. Win32 tests (GoogleTest built with mingw) under Wine on a virtual display,
#   3. end-to-end tests of the real tintara.exe under Wine with the colorization stand-in,
#   4. a bounded fuzzing run of the command-line splitter.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

echo "== host build and unit tests"
cmake --preset host
cmake --build --preset host
ctest --preset host

echo "== windows build, Win32 and end-to-end tests under Wine"
cmake --preset windows
cmake --build --preset windows
prefix="$PWD/build/windows/wineprefix"
# Wine's server for the private prefix must not outlive the run.
trap 'WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true' EXIT
# One server for the whole run. Left to itself it winds the prefix down a few seconds
# after its last program ended, and a program started just then may stall or end
# before it ran; the checks start programs at every possible moment.
TINTARA_BUILD_DIR="$PWD/build/windows" bash cmake/wine-run.sh --prepare
WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 && WINEPREFIX="$prefix" wineserver -w || true
WINEPREFIX="$prefix" wineserver -p
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset windows

if [ -f scripts/fuzz.sh ]; then
  echo "== fuzzing the command-line splitter"
  bash scripts/fuzz.sh
fi
