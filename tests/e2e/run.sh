#!/usr/bin/env bash
# Runs the end-to-end tests: the real dist/orvalek-x64.exe under Wine on a
# private virtual display (Xvfb, 1920 x 1080), driven from outside by
# xdotool and the helpers of tests/e2e/helpers.
#
# Expects the program and the helpers built (scripts/build-windows.sh builds
# both); builds only the helpers when they are missing. Everything it starts
# (Xvfb, the Wine server of its private prefix) it stops again, also on
# failure. Extra arguments go to pytest (e.g. -k hotkey).
#
# Overrides: ORVALEK_E2E_PROGRAM (the .exe under test), ORVALEK_E2E_HELPERS
# (the folder of probe.exe, click_recorder.exe, exit_with.exe).
set -euo pipefail
cd "$(dirname "$0")/../.."
repo=$PWD

fail() {
  echo "end-to-end tests: $*" >&2
  exit 1
}

program=${ORVALEK_E2E_PROGRAM:-$repo/dist/orvalek-x64.exe}
helpers=${ORVALEK_E2E_HELPERS:-$repo/build/windows-x64/tests/e2e/helpers}
[ -f "$program" ] || fail "the program is not there: $program (run scripts/build-windows.sh)"

if ! [ -f "$helpers/probe.exe" ] || ! [ -f "$helpers/click_recorder.exe" ] ||
  ! [ -f "$helpers/exit_with.exe" ]; then
  echo "building the test helpers"
  cmake --preset windows-x64 >/dev/null
  cmake --build --preset windows-x64 --target e2e_probe e2e_click_recorder e2e_exit_with
fi

for tool in Xvfb xdotool xdpyinfo wine wineboot wineserver localedef setarch; do
  command -v "$tool" >/dev/null || fail "$tool is missing (run scripts/install-deps.sh)"
done
python=/usr/bin/python3
"$python" -c 'import pytest' 2>/dev/null || fail "pytest is missing (run scripts/install-deps.sh)"

# The 64-bit loader itself, so that the program's exit code is the launcher's.
if command -v wine64 >/dev/null; then
  wine_launcher=$(command -v wine64)
elif [ -x /usr/lib/wine/wine64 ]; then
  wine_launcher=/usr/lib/wine/wine64
else
  wine_launcher=$(command -v wine)
fi

state=$repo/.e2e
mkdir -p "$state"

# Wine maps its shared user data at a fixed low address. Debian's loader has
# no preloader to reserve it, so with address-space randomisation the
# loader's heap now and then lands there and a start fails ("failed to map
# the shared user data", exit code 1). Every Windows program of the suite
# therefore starts with randomisation off, through this wrapper; exit codes
# pass through unchanged.
wine_fixed_layout=$state/wine-fixed-layout
printf '#!/bin/sh\nexec setarch "%s" -R "%s" "$@"\n' "$(uname -m)" "$wine_launcher" \
  >"$wine_fixed_layout"
chmod +x "$wine_fixed_layout"

# The two system locales the program runs under, compiled into a private
# folder: nothing is installed system-wide for them.
export LOCPATH=$state/locale
for locale in zh_CN en_US; do
  if ! [ -d "$LOCPATH/$locale.UTF-8" ]; then
    mkdir -p "$LOCPATH"
    localedef -i "$locale" -f UTF-8 "$LOCPATH/$locale.UTF-8" ||
      [ -d "$LOCPATH/$locale.UTF-8" ] || fail "cannot compile the locale $locale.UTF-8"
  fi
done

# A display number nobody uses.
display=
for n in $(seq 90 140); do
  if ! [ -e "/tmp/.X$n-lock" ] && ! [ -e "/tmp/.X11-unix/X$n" ]; then
    display=$n
    break
  fi
done
[ -n "$display" ] || fail "no free X display number"

export DISPLAY=:$display
export WINEPREFIX=$state/wineprefix
export WINEDEBUG=-all
# No Mono or Gecko: their install prompts would wait for a user forever.
export WINEDLLOVERRIDES="mscoree,mshtml="

xvfb_pid=
pytest_pid=
cleanup() {
  if [ -n "$pytest_pid" ]; then
    kill "$pytest_pid" 2>/dev/null || true
    wait "$pytest_pid" 2>/dev/null || true
  fi
  wineserver -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
}
trap cleanup EXIT
trap "exit 130" INT TERM

# A Wine server left from an earlier run of this prefix would hold another display.
wineserver -k 2>/dev/null || true

Xvfb "$DISPLAY" -screen 0 1920x1080x24 -nolisten tcp >"$state/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 100); do
  xdpyinfo >/dev/null 2>&1 && break
  kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$state/xvfb.log")"
  sleep 0.1
done
xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not answer on $DISPLAY"

# One Wine server for the whole suite, started before anything else of
# Wine: each program then starts in a moment.
ready_mark=$WINEPREFIX/.orvalek-e2e-ready
[ -f "$ready_mark" ] || rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
wineserver -p || fail "the Wine server did not start"
if ! [ -f "$ready_mark" ]; then
  echo "creating the Wine prefix $WINEPREFIX"
  wineboot -i >"$state/wineboot.log" 2>&1 || fail "wineboot failed: $(tail -5 "$state/wineboot.log")"
  touch "$ready_mark"
fi

# No window manager runs on the virtual display: Wine draws the frames
# itself, close box included, so that a test can click it.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1 ||
  fail "cannot set the Wine X11 options"

export ORVALEK_E2E_PROGRAM=$program
export ORVALEK_E2E_HELPERS=$helpers
export ORVALEK_E2E_WINE=$wine_fixed_layout
# A safety net: the suite takes a few minutes; a hang must not hold CI.
# In the background, so that an interrupt reaches the clean-up at once.
timeout --signal=TERM 840 "$python" -m pytest tests/e2e -v "$@" &
pytest_pid=$!
wait "$pytest_pid"
