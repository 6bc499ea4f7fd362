#!/usr/bin/env bash
# Builds the launcher and shows it at work under Wine: a simulated 32-bit
# Outlook, the launcher, the installed product.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows
/usr/bin/python3 tools/demo/demo.py build/windows "$@"
