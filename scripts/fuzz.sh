#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (preset "fuzz") and fuzzes the command-line
# splitter for a bounded time, starting from the seed corpus in the repository.
#   TINTARA_FUZZ_SECONDS  how long to fuzz (default 30)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${TINTARA_FUZZ_SECONDS:-30}

cmake --preset fuzz
cmake --build --preset fuzz

# Inputs the fuzzer finds go to the build folder, and so does any crash; the seed
# corpus in the repository is only read.
work=build/fuzz/corpus/command_line
artifacts=build/fuzz/artifacts/
mkdir -p "$work" "$artifacts"
build/fuzz/tests/fuzz/command_line_fuzzer \
  -max_total_time="$seconds" -max_len=512 -print_final_stats=1 \
  -artifact_prefix="$artifacts" \
  "$work" tests/fuzz/corpus/command_line
