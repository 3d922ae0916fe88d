#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, address and undefined-behaviour
# sanitizers) and runs each for a bounded time from its committed seed
# corpus, then prints the executions per target. Exits non-zero when a
# target finds an input its oracle rejects; the input is left in
# build/fuzz/findings/.
#   scripts/fuzz.sh [seconds per target, default 20]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
targets=(parse_real split_on_delimiter find_subtext parse_operation)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2 --target "${targets[@]/%/_fuzzer}" >/dev/null

findings=build/fuzz/findings
mkdir -p "$findings"
status=0
printf '%-20s %12s %10s %s\n' target executions exec/s result
for target in "${targets[@]}"; do
  # New inputs go to a scratch corpus; the committed seeds stay as they are.
  scratch="build/fuzz/corpus/$target"
  log="build/fuzz/$target.log"
  mkdir -p "$scratch"
  result=ok
  if ! "build/fuzz/fuzz/${target}_fuzzer" "$scratch" "fuzz/corpus/$target" \
      -max_total_time="$seconds" -max_len=4096 -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$findings/$target-" >"$log" 2>&1; then
    result="FAILED (see $log)"
    status=1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n1)
  printf '%-20s %12s %10s %s\n' "$target" "${runs:-?}" "${rate:-?}" "$result"
done
exit "$status"
