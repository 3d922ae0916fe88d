#!/usr/bin/env bash
# Cross-builds the program for Windows x64 and x86 and leaves
# dist/orvalek-x64.exe and dist/orvalek-x86.exe (and the test helpers).
set -euo pipefail
cd "$(dirname "$0")/.."
mkdir -p dist
for arch in x64 x86; do
  cmake --preset "windows-$arch" >/dev/null
  cmake --build --preset "windows-$arch"
done
