"""The keyboard and the pointer of the X display, through xdotool."""

import subprocess

from .waiting import wait_until

# A short pause between synthetic key events, so that each arrives as its own
# press and release, as a user's would.
KEY_DELAY_MS = "30"


class Desktop:
    def __init__(self, probe, environment):
        self._probe = probe
        self._environment = environment

    def _xdotool(self, *arguments):
        result = subprocess.run(["xdotool", *arguments], env=self._environment, capture_output=True,
                                text=True, timeout=30)
        if result.returncode != 0:
            raise RuntimeError(f"xdotool {' '.join(arguments)} failed: {result.stderr.strip()}")
        return result.stdout

    def move_pointer(self, x, y):
        # Not xdotool's --sync: it waits for a motion event, which never
        # comes when the pointer is already there.
        self._xdotool("mousemove", str(x), str(y))
        wait_until(lambda: self._probe.cursor() == (x, y), 5, f"the pointer at ({x}, {y})")

    def click_at(self, x, y):
        self.move_pointer(x, y)
        self._xdotool("click", "1")

    def press(self, *keys):
        """Presses each key (xdotool names: Tab, shift+Tab, Escape, alt+F4, F1...) in turn."""
        self._xdotool("key", "--delay", KEY_DELAY_MS, *keys)

    def type_text(self, text):
        self._xdotool("type", "--delay", KEY_DELAY_MS, text)

    def focus_keyboard(self, hwnd):
        """Gives the keyboard to a top-level window, as a user clicking on it would.

        Wine hands a key only to the foreground window, and only when its
        X11 window has the X input focus: both are set here.
        """
        self._probe.activate(hwnd)
        wait_until(lambda: self._probe.window(hwnd)["foreground"], 5, f"window {hwnd} in the foreground")
        x11_window = self._probe.window(hwnd)["x11_window"]
        if x11_window:
            self._xdotool("windowfocus", str(x11_window))
        wait_until(lambda: self._probe.window(hwnd)["foreground"], 5, f"window {hwnd} to keep the foreground")
