#!/usr/bin/env bash
# Installs, from Debian's packages, everything the build, the program under
# Wine and the tests need. Does nothing when all of it is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang clang-format libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  g++-mingw-w64-x86-64 g++-mingw-w64-i686
  wine wine64 xvfb xdotool x11-utils imagemagick fonts-wqy-microhei python3-pytest locales
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi
