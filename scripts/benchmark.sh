#!/usr/bin/env bash
# Builds the benchmarks in Release mode and prints their table. The start-up benchmark shows
# its windows on a virtual X display; the audio benchmark uses SDL's dummy device unless
# SDL_AUDIODRIVER names another.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-packages.sh
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DLUMORA_BUILD_TESTS=OFF \
  -DLUMORA_BUILD_BENCHMARKS=ON
cmake --build build/bench --target lumora_benchmarks -j"$(nproc)"
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
exec xvfb-run -a -s "-screen 0 1600x900x24" build/bench/benchmarks/lumora_benchmarks "$@"
