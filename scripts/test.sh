#!/usr/bin/env bash
# Installs what Lumora needs, then builds and runs every test twice: a plain build and one
# under AddressSanitizer and UndefinedBehaviorSanitizer, drives the real window and the
# recording studio of the plain build on a virtual display, then runs the fuzz targets for a
# bounded time (scripts/fuzz.sh).
# Needs no display and no sound card.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-packages.sh

export QT_QPA_PLATFORM=offscreen
export SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

run_suite() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja "$@"
  cmake --build "$dir" -j"$(nproc)"
  ctest --test-dir "$dir" --output-on-failure -j"$(nproc)" -LE faults
  grep -h '^window robustness:' "$dir/Testing/Temporary/LastTest.log" || true
  # The fault-injection tests run on their own, verbosely, so that their figures show.
  ctest --test-dir "$dir" --output-on-failure -L faults --verbose
}

echo "== Plain build =="
run_suite build/test -DCMAKE_BUILD_TYPE=Debug -DLUMORA_BUILD_BENCHMARKS=ON
echo "== The real window, driven by keys and the accessibility bus =="
bash tests/e2e/run.sh build/test/lumora
echo "== The recording studio, recording the weekdays from a prepared microphone =="
bash tests/e2e/studio.sh build/test
echo "== AddressSanitizer + UndefinedBehaviorSanitizer build =="
run_suite build/sanitize -DCMAKE_BUILD_TYPE=Debug -DLUMORA_SANITIZE=ON
echo "== Debian package, installed and started as a learner =="
bash scripts/package-test.sh
echo "== Fuzzing =="
bash scripts/fuzz.sh
