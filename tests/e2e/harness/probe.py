"""The probe helper, kept running for the whole suite: one request per line, one JSON answer per line."""

import json
import os
import select
import subprocess
import time

# The probe's own message time-out is 10 s; a little more here, so that a
# hung program shows as the probe's answer rather than as a broken pipe.
ANSWER_TIMEOUT_S = 15.0


class ProbeError(RuntimeError):
    pass


def text_argument(text):
    return "x" + text.encode("utf-8").hex()


class Probe:
    def __init__(self, suite, environment):
        self._process = subprocess.Popen([suite.wine, suite.helper("probe.exe")], stdin=subprocess.PIPE,
                                         stdout=subprocess.PIPE, env=environment)
        self._pending = b""

    def close(self):
        if self._process.poll() is None:
            try:
                self._process.stdin.write(b"quit\n")
                self._process.stdin.flush()
                self._process.wait(timeout=5)
            except (OSError, subprocess.TimeoutExpired):
                self._process.kill()
                self._process.wait()

    def ask(self, command, *arguments):
        """Sends one request and returns its result; a failed request raises ProbeError."""
        line = " ".join([command, *(str(argument) for argument in arguments)]) + "\n"
        self._process.stdin.write(line.encode("ascii"))
        self._process.stdin.flush()
        answer = json.loads(self._read_line())
        if not answer["ok"]:
            raise ProbeError(f"{command}: {answer['error']}")
        return answer["result"]

    def _read_line(self):
        deadline = time.monotonic() + ANSWER_TIMEOUT_S
        output = self._process.stdout.fileno()
        while b"\n" not in self._pending:
            remaining = deadline - time.monotonic()
            if remaining <= 0:
                raise ProbeError("the probe gave no answer in time")
            readable, _, _ = select.select([output], [], [], remaining)
            if readable:
                chunk = os.read(output, 1 << 20)
                if not chunk:
                    raise ProbeError("the probe ended")
                self._pending += chunk
        line, _, self._pending = self._pending.partition(b"\n")
        return line.decode("utf-8")

    # The requests, by what they are for.

    def now_ms(self):
        return self.ask("time")["time_ms"]

    def system(self):
        return self.ask("ping")

    def top_level_windows(self, title_part):
        return self.ask("top", text_argument(title_part))["windows"]

    def window(self, hwnd):
        return self.ask("window", hwnd)

    def children(self, hwnd):
        return self.ask("children", hwnd)["children"]

    def focus(self, hwnd):
        return self.ask("focus", hwnd)

    def text(self, hwnd):
        return self.ask("gettext", hwnd)["text"]

    def set_text(self, hwnd, text):
        return self.ask("settext", hwnd, text_argument(text))

    def selection(self, hwnd):
        answer = self.ask("sel", hwnd)
        return answer["start"], answer["end"]

    def checked(self, hwnd):
        return self.ask("check", hwnd)["checked"]

    def click(self, hwnd):
        """BM_CLICK; returns the probe's times just before and after the button's action."""
        answer = self.ask("click", hwnd)
        return answer["t_before"], answer["t_after"]

    def send(self, hwnd, message, wparam=0, lparam=0):
        return self.ask("send", hwnd, message, wparam, lparam)["result"]

    def post(self, hwnd, message, wparam=0, lparam=0):
        return self.ask("post", hwnd, message, wparam, lparam)["time_ms"]

    def activate(self, hwnd):
        return self.ask("activate", hwnd)

    def cursor(self):
        answer = self.ask("cursor")
        return answer["x"], answer["y"]

    def hit_test_point(self, hwnd, code):
        answer = self.ask("hittest", hwnd, code)
        return answer["x"], answer["y"]

    def set_clipboard(self, text):
        self.ask("setclipboard", text_argument(text))
