#!/usr/bin/env bash
# Builds both presets and prints the benchmark table.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset host >/dev/null && cmake --build --preset host >/dev/null
cmake --preset windows >/dev/null && cmake --build --preset windows >/dev/null
/usr/bin/python3 bench/bench.py
