#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time: the seconds per
# target are the first argument, else LUMORA_FUZZ_SECONDS, else 60. Inputs that found new
# paths collect in build/fuzz/corpus/<target>/, inputs that broke a target in
# build/fuzz/crashes/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-${LUMORA_FUZZ_SECONDS:-60}}
build=build/fuzz
targets=(fuzz_record_reader fuzz_miss_file fuzz_typed_judge fuzz_question_draws)

cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLUMORA_FUZZ=ON
cmake --build "$build" -j"$(nproc)"

passed=0
failed=0
for target in "${targets[@]}"; do
  corpus=$build/corpus/$target
  crashes=$build/crashes/$target/
  log=$build/$target.log
  mkdir -p "$corpus" "$crashes"
  if "$build/tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$crashes" "$corpus" "tests/fuzz/corpus/$target" \
    >"$log" 2>&1; then
    status=passed
    passed=$((passed + 1))
  else
    status=FAILED
    failed=$((failed + 1))
    tail -n 60 "$log"
  fi
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "fuzz $target: $status, ${executions:-0} executions in $seconds s (log $log)"
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
