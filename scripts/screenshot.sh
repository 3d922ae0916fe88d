#!/usr/bin/env bash
# Takes the README's picture: starts a virtual display and the program,
# waits for the main window, saves docs/screenshot.png and stops both.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f dist/orvalek-x64.exe ]; then
  cmake --preset windows-x64 >/dev/null
  cmake --build --preset windows-x64
fi
source scripts/wine-env.sh

program_pid=""
cleanup() {
  if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
    wineserver -k 2>/dev/null || true
  fi
  kill "$XVFB_PID" 2>/dev/null || true
}
start_virtual_display
trap cleanup EXIT
prepare_wine_prefix frames

run_wine dist/orvalek-x64.exe &
program_pid=$!
window="$(wait_for_main_window)"
sleep 1  # let every control paint
eval "$(xdotool getwindowgeometry --shell "$window")"
mkdir -p docs
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage docs/screenshot.png
echo "saved docs/screenshot.png (${WIDTH}x${HEIGHT} at ${X},${Y})"

# Esc closes the window and ends the program.
xdotool windowfocus --sync "$window" key Escape 2>/dev/null || true
for _ in $(seq 1 20); do
  kill -0 "$program_pid" 2>/dev/null || break
  sleep 0.25
done
