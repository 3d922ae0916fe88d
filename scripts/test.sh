#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests, then the
# end-to-end tests of the real program under Wine and Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native -j2

scripts/build-windows.sh
tests/e2e/run.sh
