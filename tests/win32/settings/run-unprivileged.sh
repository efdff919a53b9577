#!/usr/bin/env bash
# Runs a Windows test program under Wine as an unprivileged user.
#
#   TINTARA_BUILD_DIR=build/windows run-unprivileged.sh program.exe [arguments...]
#
# Wine lets root write through a read-only file (it leaves that check to the Unix file
# permissions, which root passes), so the test of that refusal runs as "nobody" when
# the test command runs as root. Wine insists that a prefix belongs to the user who
# runs it, so that user gets a prefix of its own under the build folder. Any other
# user runs the program the ordinary way.
set -euo pipefail

runner=$(cd "$(dirname "$0")/../../../cmake" && pwd)/wine-run.sh
build_dir=${TINTARA_BUILD_DIR:?set TINTARA_BUILD_DIR to the build folder}
build_dir=$(cd "$build_dir" && pwd)
program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
shift

# The test fails rather than skips when read-only files turn out to be writable.
export TINTARA_REQUIRE_READ_ONLY=1

if [ "$(id -u)" -ne 0 ]; then
  exec bash "$runner" "$program" "$@"
fi

# The build folder may sit where that user cannot go (a private checkout), so the
# program, the runner and the stand-in are staged in a folder of its own, which also
# keeps its prefix from one run to the next.
stage="${TMPDIR:-/tmp}/tintara-unprivileged-$(printf '%s' "$build_dir" | md5sum | cut -c1-12)"
mkdir -p "$stage/bin" "$stage/standin"
cp "$runner" "$stage/wine-run.sh"
cp "$program" "$stage/bin/"
if [ -f "$build_dir/standin/dwmapi.dll" ]; then
  cp "$build_dir/standin/dwmapi.dll" "$stage/standin/dwmapi.dll"
fi
chown -R nobody "$stage"
chmod 755 "$stage"
# No display: this user may not open root's virtual display, and needs none.
exec runuser -u nobody -- env -u DISPLAY -u XAUTHORITY HOME="$stage" \
  TINTARA_BUILD_DIR="$stage" TINTARA_WINEPREFIX="$stage/wineprefix" \
  bash "$stage/wine-run.sh" "$stage/bin/$(basename "$program")" "$@"
