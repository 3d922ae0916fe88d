#!/usr/bin/env bash
# Prints figures of the real program under Wine (about a minute): click
# timing against xdotool's, idle CPU time, size of each .exe, time from
# launch until the window shows. Needs the program and the end-to-end
# helpers built (scripts/build-windows.sh); runs in the end-to-end suite's
# private Wine session.
set -euo pipefail
cd "$(dirname "$0")/.."
exec tests/e2e/run.sh -s -o python_files=measure_wine.py
