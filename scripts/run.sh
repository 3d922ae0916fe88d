#!/usr/bin/env bash
# Starts the program under Wine: installs what is missing, builds the x64
# program, and opens its window on the current display, or, when there is
# none, on a virtual display that it starts and names.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset windows-x64 >/dev/null
cmake --build --preset windows-x64
source scripts/wine-env.sh

frames=""
if [ -z "${DISPLAY:-}" ]; then
  start_virtual_display
  trap 'kill "$XVFB_PID" 2>/dev/null || true' EXIT
  frames=frames
  echo "No DISPLAY: the program runs on the virtual display $DISPLAY (Xvfb, 1920x1080)."
  echo "See it with:  DISPLAY=$DISPLAY import -window root shot.png"
  echo "or take the README's picture with scripts/screenshot.sh."
fi
prepare_wine_prefix "$frames"
echo "starting dist/orvalek-x64.exe (Wine prefix $WINEPREFIX); close its window or press Esc in it to end"
run_wine dist/orvalek-x64.exe
