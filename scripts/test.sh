#!/usr/bin/env bash
# Builds everything and runs every test, on a fresh Debian machine too:
#   1. the native unit tests (GoogleTest, against the simulated desktop);
#   2. the same under AddressSanitizer + UndefinedBehaviorSanitizer, leaks on;
#   3. each libFuzzer target for a short bounded time (ORVALEK_FUZZ_SECONDS, 20);
#   4. the Windows cross builds (dist/orvalek-x64.exe, dist/orvalek-x86.exe);
#   5. the end-to-end tests of the real program under Wine and Xvfb;
#   6. the Wine soak (a looping 50 ms list toggled by F3 for a minute), and
#      the click-timing figures under Wine (printed, never asserted).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

step() { printf '\n==== %s\n' "$*"; }

step "native unit tests"
cmake --preset native >/dev/null
cmake --build --preset native -j2
ctest --preset native -j2

step "unit tests under ASan + UBSan"
scripts/asan.sh

step "fuzzing"
scripts/fuzz.sh "${ORVALEK_FUZZ_SECONDS:-20}"

step "Windows builds"
scripts/build-windows.sh

step "end-to-end tests under Wine"
tests/e2e/run.sh

step "soak under Wine"
scripts/soak-wine.sh

step "click timing under Wine"
scripts/measure-wine.sh
