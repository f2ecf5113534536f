#!/usr/bin/env bash
# Builds quorvane and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows
echo "run: the conversion core is built (build/windows/src/convert); the dialog is not there yet."
