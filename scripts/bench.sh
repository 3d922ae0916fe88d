#!/usr/bin/env bash
# Builds the benchmarks (optimised) and prints a short table of what a tick,
# a start, the add action and the text rules cost on the simulated desktop.
# Extra arguments go to the benchmark program (e.g. --benchmark_filter=tick).
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset bench >/dev/null
cmake --build --preset bench -j2 >/dev/null
results=build/bench/results.json
build/bench/bench/orvalek_bench --benchmark_format=json --benchmark_out="$results" \
  --benchmark_out_format=json "$@" >/dev/null
python3 scripts/bench_table.py "$results"
