#!/usr/bin/env bash
# The most-used pick against the plain std::unordered_map counter, row by row: each
# row's median of three repetitions (CPU time), the repetitions of all rows interleaved
# in random order so that a load that comes and goes on a shared machine falls on both
# sides alike. Prints map time / our time per row. On the tied rows every colour has
# one pixel: the tie rule needs the exact table there, the map just takes any colour.
#
#   bash bench/pick-ratios.sh [path/to/pick_icon_color_bench]
#
# Measure a Release build: cmake -S . -B build/bench-release -DCMAKE_BUILD_TYPE=Release &&
# cmake --build build/bench-release --target pick_icon_color_bench
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bench=${1:-$root/build/bench-release/bench/pick_icon_color_bench}
[ -x "$bench" ] || {
  echo "pick-ratios: $bench is not built" >&2
  exit 2
}
"$bench" --benchmark_filter=MostUsed --benchmark_repetitions=3 \
  --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true \
  --benchmark_format=csv 2>/dev/null |
  awk -F, '$1 ~ /_median"$/ {
      name = $1; gsub(/"/, "", name); sub(/_median$/, "", name)
      split(name, part, "/"); row = part[2] "/" part[3]
      if (part[1] == "BM_MostUsedUnorderedMap") map[row] = $4; else ours[row] = $4
    }
    END {
      printf "%-16s %12s %12s %7s\n", "row", "ours (ns)", "map (ns)", "ratio"
      for (r in ours) {
        split(r, p, "/")
        printf "%-16s %12.0f %12.0f %6.2fx\n", p[1] "² " (p[2] == 0 ? "realistic" : p[2] == 1 ? "worst" : "tied"),
               ours[r], map[r], map[r] / ours[r] | "sort -k2,2 -k1,1n"
      }
    }'
