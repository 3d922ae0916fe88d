#!/usr/bin/env bash
# The soak of the real program under Wine (about 70 s): a looping 50 ms list
# for a minute while F3 toggles the run 20 times and the list box is edited.
# Fails when the program dies or a click goes unaccounted for. Needs the
# program and the end-to-end helpers built (scripts/build-windows.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
exec tests/e2e/run.sh -s -o python_files=soak_wine.py
