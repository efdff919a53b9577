#!/usr/bin/env bash
# Runs a Windows program of the build under Wine: CTest's cross-compiling emulator for the
# windows preset, and the way scripts start tintara.exe.
#
#   wine-run.sh program.exe [arguments...]
#   wine-run.sh --prepare      makes the prefix and installs the stand-in, runs nothing
#
# The program runs in a private 64-bit prefix under the build folder (TINTARA_WINEPREFIX
# overrides it), made on first use, with the colorization stand-in in its system folder
# preferred over Wine's own library. The program uses the DISPLAY it is given.
#
# TINTARA_BUILD_DIR names the build folder; without it the folder is found by walking up
# from the program (then from the current folder) to the one holding CMakeCache.txt.
set -euo pipefail

find_build_dir() {
  local dir
  for dir in "$@"; do
    dir=$(cd "$dir" 2>/dev/null && pwd) || continue
    while [ "$dir" != / ]; do
      if [ -f "$dir/CMakeCache.txt" ]; then
        echo "$dir"
        return 0
      fi
      dir=$(dirname "$dir")
    done
  done
  return 1
}

if [ $# -lt 1 ]; then
  echo "usage: $0 program.exe [arguments...]" >&2
  exit 2
fi

build_dir=${TINTARA_BUILD_DIR:-}
if [ -z "$build_dir" ]; then
  build_dir=$(find_build_dir "$([ "$1" = --prepare ] || dirname "$1")" "$PWD") || {
    echo "wine-run: no build folder found; set TINTARA_BUILD_DIR" >&2
    exit 2
  }
fi

prefix=${TINTARA_WINEPREFIX:-$build_dir/wineprefix}
standin=$build_dir/standin/dwmapi.dll

export WINEPREFIX=$prefix
export WINEARCH=win64
export WINEDEBUG=${TINTARA_WINEDEBUG:--all}

mkdir -p "$(dirname "$prefix")"
# Parallel first uses wait here for one of them to make the prefix.
exec 9>"$prefix.lock"
flock 9
if [ ! -f "$prefix/.tintara-ready" ]; then
  rm -rf "$prefix"
  # Without these overrides Wine offers to download its .NET and HTML engines, and the
  # dialog would wait for an answer forever on a virtual display.
  if ! WINEDLLOVERRIDES="mscoree,mshtml=" timeout 240 wineboot -i >/dev/null 2>&1; then
    echo "wine-run: making the Wine prefix $prefix failed" >&2
    exit 1
  fi
  # The registry is complete only once the prefix's server has written it out and ended.
  timeout 60 wineserver -w || true
  touch "$prefix/.tintara-ready"
fi
if [ -f "$standin" ]; then
  system32=$prefix/drive_c/windows/system32
  if ! cmp -s "$standin" "$system32/dwmapi.dll"; then
    # A new file rather than overwriting the old one in place: programs of the prefix
    # that still have the old library mapped keep an intact copy.
    cp "$standin" "$system32/.dwmapi.dll.new"
    mv -f "$system32/.dwmapi.dll.new" "$system32/dwmapi.dll"
  fi
else
  echo "wine-run: $standin not built; the program gets Wine's own dwmapi.dll" >&2
fi
flock -u 9
exec 9>&-

[ "$1" != --prepare ] || exit 0

export WINEDLLOVERRIDES="dwmapi=n${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
exec wine "$@"
