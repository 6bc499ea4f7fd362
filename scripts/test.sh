#!/usr/bin/env bash
# Everything the launcher is checked with: host unit tests, the real
# executable's build checks, and the end-to-end scenarios under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset host
cmake --build --preset host
ctest --preset host

cmake --preset windows
cmake --build --preset windows
ctest --preset windows

# The benchmark's figures decide nothing; it only has to run.
echo
echo "Benchmark:"
bench/run.sh

echo
echo "Fault survey (Wine):"
cat build/windows/fault-survey.txt
