#!/usr/bin/env bash
# Builds the native unit tests under AddressSanitizer and
# UndefinedBehaviorSanitizer and runs them with leak detection on. Any
# report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1:strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="report_objects=1"

cmake --preset native-asan >/dev/null
cmake --build --preset native-asan -j2
ctest --preset native-asan -j2
