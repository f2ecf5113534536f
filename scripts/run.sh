#!/usr/bin/env bash
# Builds quorvane.exe and starts it under Wine. Without a display it runs under Xvfb, where
# nobody sees it: the script says so, and it ends when the program does.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target quorvane

exe=build/windows/src/shell/quorvane.exe
if [ -z "${DISPLAY:-}" ]; then
  echo "run: no display here; starting quorvane under Xvfb (invisible). Stop it with Ctrl+C." >&2
fi
exec scripts/with-display scripts/wine-run "$exe"
