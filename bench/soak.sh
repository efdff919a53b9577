#!/usr/bin/env bash
# The long soak: about 2,000 foreground changes of the real tintara.exe under Wine
# (windows with icons of 16, 32, 48 and 256 pixels and one without an icon), printing
# the slopes per 1,000 changes of the process's GDI objects, windows, icons and
# resident memory, and the colorizations written against those expected. The short
# version runs in the end-to-end suite (tests/e2e/soak.sh).
#
#   bench/soak.sh [rounds]    five changes per round, default 400
#
# Needs the windows build (cmake --preset windows && cmake --build --preset windows).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/windows
rounds=${1:-400}

export TINTARA_BUILD_DIR=$build
export TINTARA_EXE=$build/src/tintara.exe
export TINTARA_WINE_RUN=$root/cmake/wine-run.sh
export SOAK_SAMPLE_EVERY=${SOAK_SAMPLE_EVERY:-20}
[ -f "$TINTARA_EXE" ] || {
  echo "soak: $TINTARA_EXE is not built" >&2
  exit 1
}

prefix=${TINTARA_WINEPREFIX:-$build/wineprefix}
# Wine's server for the private prefix must not outlive the run.
trap 'WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true' EXIT
if [ -n "${DISPLAY:-}" ]; then
  bash "$root/tests/e2e/soak.sh" "$rounds"
else
  xvfb-run -a -s "-screen 0 1280x1024x24" bash "$root/tests/e2e/soak.sh" "$rounds"
fi
