#!/usr/bin/env bash
# Installs what Lumora needs, builds it with its default content, and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-packages.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DLUMORA_BUILD_TESTS=OFF
cmake --build build/release --target lumora lumora_content lumora-datacheck -j"$(nproc)"
exec build/release/lumora "$@"
