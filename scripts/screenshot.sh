#!/usr/bin/env bash
# Takes a picture of the dialog under Wine on a private Xvfb display: docs/dialog.png.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset windows >/dev/null
cmake --build --preset windows --target quorvane

display=:93
Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
cleanup() {
  [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null
  kill "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT
sleep 1

scripts/wine-run build/windows/src/shell/quorvane.exe >/dev/null 2>&1 &
app_pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^quorvane$' | head -n 1)
sleep 1  # let it finish painting

eval "$(xdotool getwindowgeometry --shell "$window")"
mkdir -p docs
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage docs/dialog.png
echo "screenshot: docs/dialog.png (${WIDTH}x${HEIGHT})"
