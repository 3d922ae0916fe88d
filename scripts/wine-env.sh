# Sourced by the scripts that start the program under Wine: a private Wine
# prefix, quiet Wine, and helpers to start a virtual display and to prepare
# the prefix once.

export WINEPREFIX="${ORVALEK_WINEPREFIX:-$HOME/.local/share/orvalek-wine}"
export WINEDEBUG=-all
# Debian installs the 64-bit loader outside PATH.
WINE64="$(command -v wine64 || true)"
[ -n "$WINE64" ] || WINE64=/usr/lib/wine/wine64
[ -x "$WINE64" ] || WINE64="$(command -v wine)"

# Runs a Windows program with address-space randomisation off: without a
# preloader, the loader's randomised heap now and then takes the fixed
# address of Wine's shared user data and the start fails.
run_wine() { setarch "$(uname -m)" -R "$WINE64" "$@"; }

# Starts Xvfb on the first free display from :77 up; sets DISPLAY and XVFB_PID.
start_virtual_display() {
  local number=77
  while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
    number=$((number + 1))
  done
  Xvfb ":$number" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$number"
  local tries=0
  until xdpyinfo >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ]; then
      echo "Xvfb did not come up on $DISPLAY" >&2
      return 1
    fi
    sleep 0.1
  done
}

# Creates the prefix on first use. The program's default GUI font gets a
# Chinese font linked behind it, so that its texts read right whatever the
# system's language. With `frames`, Wine draws the window frames itself, as
# an X server without a window manager draws none.
prepare_wine_prefix() {
  local frames="${1:-}"
  if [ ! -f "$WINEPREFIX/.orvalek-prepared" ]; then
    echo "preparing the Wine prefix $WINEPREFIX (first start takes about a minute)"
    mkdir -p "$WINEPREFIX"
    "$WINE64" wineboot --init >/dev/null 2>&1 || true
    "$WINE64" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
      /v Tahoma /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
    touch "$WINEPREFIX/.orvalek-prepared"
  fi
  local decorated=Y
  [ "$frames" = frames ] && decorated=N
  "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d "$decorated" /f \
    >/dev/null 2>&1
  wineserver -w
}

# Waits up to 120 s for the main window; prints its X window id.
wait_for_main_window() {
  local tries=0 window=""
  while [ -z "$window" ]; do
    window="$(xdotool search --name '^Orvalek' 2>/dev/null | head -n 1 || true)"
    tries=$((tries + 1))
    if [ "$tries" -gt 240 ]; then
      echo "the main window did not appear" >&2
      return 1
    fi
    [ -n "$window" ] || sleep 0.5
  done
  echo "$window"
}
