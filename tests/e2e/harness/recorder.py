"""The click recorder helper: a window over the whole screen that logs every mouse button message."""

import subprocess
from dataclasses import dataclass
from pathlib import Path

from .environment import windows_path
from .waiting import WaitTimeout, wait_until


@dataclass(frozen=True)
class ButtonMessage:
    time_ms: float
    name: str
    x: int
    y: int

    @property
    def kind(self):
        """The message with its place, without its time: what a test compares."""
        return self.name, self.x, self.y


class ClickRecorder:
    def __init__(self, suite, environment, log_path):
        self._log_path = Path(log_path)
        self._process = subprocess.Popen([suite.wine, suite.helper("click_recorder.exe"),
                                          windows_path(self._log_path)], env=environment)
        ready = wait_until(self._ready_line, 30, "the click recorder to show its window")
        self.hwnd = int(ready.split()[2])

    def _ready_line(self):
        if not self._log_path.exists():
            return None
        first = self._log_path.read_text(encoding="utf-8").split("\n", 1)[0]
        return first if first.startswith("ready ") else None

    def close(self):
        if self._process.poll() is None:
            self._process.kill()
            self._process.wait()

    def messages(self):
        """Every complete button message logged so far, in order."""
        lines = self._log_path.read_text(encoding="utf-8").split("\n")[1:-1]
        messages = []
        for line in lines:
            time_ms, name, x, y = line.split()
            messages.append(ButtonMessage(float(time_ms), name, int(x), int(y)))
        return messages

    def wait_for_messages(self, count, timeout):
        """Waits until at least `count` messages have arrived and returns all of them."""

        def enough():
            seen = self.messages()
            return seen if len(seen) >= count else None

        try:
            return wait_until(enough, timeout, f"{count} mouse button messages")
        except WaitTimeout as timeout_error:
            raise WaitTimeout(f"{timeout_error}; seen: {self.messages()!r}") from None


def click(x, y, button="L"):
    """The messages of a single click of the button "L" or "R" at (x, y)."""
    return [(f"{button}BUTTONDOWN", x, y), (f"{button}BUTTONUP", x, y)]


def double_click(x, y, button="L"):
    # With CS_DBLCLKS the second press of a double click arrives as a double-click message.
    return [(f"{button}BUTTONDOWN", x, y), (f"{button}BUTTONUP", x, y),
            (f"{button}BUTTONDBLCLK", x, y), (f"{button}BUTTONUP", x, y)]


def kinds(messages):
    return [message.kind for message in messages]
