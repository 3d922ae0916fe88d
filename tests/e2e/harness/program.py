"""One instance of the program under test, seen and driven from outside."""

import subprocess

from . import layout
from .waiting import wait_for_value, wait_until

# Windows messages and codes the tests send as a user's tools would.
WM_SYSCOMMAND = 0x0112
WM_HOTKEY = 0x0312
SC_RESTORE = 0xF120
HTCLOSE = 20
START_TIMEOUT_S = 60


class Program:
    def __init__(self, suite, probe, desktop, environment, workdir):
        self._probe = probe
        self._desktop = desktop
        # Wine's error messages go to a file, shown when the start fails; a
        # pipe could be held open by Wine's service processes.
        self._messages_path = workdir / "wine-messages.txt"
        environment = dict(environment, WINEDEBUG="-all,err+all")
        with open(self._messages_path, "wb") as messages:
            self._process = subprocess.Popen([suite.wine, str(suite.program)], env=environment, cwd=workdir,
                                             stdout=messages, stderr=subprocess.STDOUT)
        self.hwnd = wait_until(self._shown_main_window, START_TIMEOUT_S, "the main window to show")
        self._controls = None

    def _shown_main_window(self):
        if self._process.poll() is not None:
            raise AssertionError(f"the program ended at start with exit code {self._process.returncode}; "
                                 f"Wine said: {self._messages_path.read_text(errors='replace')!r}")
        shown = [window for window in self._probe.top_level_windows(layout.TITLE)
                 if window["visible"] and window["title"] == layout.TITLE]
        assert len(shown) <= 1, f"more than one main window: {shown}"
        return shown[0]["hwnd"] if shown else None

    # The process.

    def is_running(self):
        return self._process.poll() is None

    def wait_for_exit(self, timeout=10):
        return self._process.wait(timeout=timeout)

    def kill(self):
        if self.is_running():
            self._process.kill()
            self._process.wait()
        wait_until(lambda: not self._probe.window(self.hwnd)["exists"], 10, "the killed program's window to go")

    # The main window.

    def window(self):
        return self._probe.window(self.hwnd)

    def caption(self):
        return self.window()["title"]

    def wait_for_caption(self, expected, timeout):
        wait_for_value(self.caption, expected, timeout, f"the caption {expected!r}")

    def wait_until_minimized(self, timeout=5):
        wait_until(lambda: self.window()["minimized"], timeout, "the window to be minimised")

    def is_shown_normally(self):
        window = self.window()
        return window["visible"] and not window["minimized"] and not window["maximized"]

    def wait_until_shown_normally(self, timeout=5):
        wait_until(self.is_shown_normally, timeout, "the window to be shown normally")

    def focus_keyboard(self):
        self._desktop.focus_keyboard(self.hwnd)

    # The controls, told apart by their place, as a user tells them apart.

    def controls(self):
        if self._controls is None:
            children = self._probe.children(self.hwnd)
            found = {}
            for control in layout.CONTROLS:
                matching = [child for child in children if child["rect"] == control.rect and child["visible"]]
                assert matching, f"no visible control at {control.rect} for {control.name}; children: {children}"
                found[control.name] = matching[0]["hwnd"]
            self._controls = found
        return self._controls

    def control(self, name):
        return self.controls()[name]

    def name_of(self, hwnd):
        for name, control_hwnd in self.controls().items():
            if control_hwnd == hwnd:
                return name
        return hwnd

    def text(self, name):
        return self._probe.text(self.control(name))

    def set_text(self, name, text):
        self._probe.set_text(self.control(name), text)

    def checked(self, name):
        return self._probe.checked(self.control(name))

    def selection(self, name):
        return self._probe.selection(self.control(name))

    def press_button(self, name):
        """Presses a button as an assistive tool does (BM_CLICK); returns the probe's times around it."""
        return self._probe.click(self.control(name))

    def focused_control(self):
        return self.name_of(self._probe.focus(self.hwnd)["focus"])

    def wait_for_focus(self, name, timeout=5):
        wait_for_value(self.focused_control, name, timeout, f"the focus on {name}")

    def control_centre(self, name):
        """The screen point in the middle of a control."""
        left, top = self.window()["client_origin"]
        control = layout.CONTROL_BY_NAME[name]
        return left + control.left + control.width // 2, top + control.top + control.height // 2

    def click_control(self, name):
        """Clicks a control with the pointer, the window brought to the front first."""
        self.focus_keyboard()
        self._desktop.click_at(*self.control_centre(name))

    def put_focus_in(self, name):
        """Gives a control the keyboard focus as a user would: a click, unless it has the focus already.

        Only boxes are clicked for it: a click on a button would press it.
        """
        self.focus_keyboard()
        if layout.CONTROL_BY_NAME[name].kind in ("edit", "list") and self.focused_control() != name:
            self.click_control(name)
        self.wait_for_focus(name)

    # Actions from outside the window.

    def close_box_point(self):
        return self._probe.hit_test_point(self.hwnd, HTCLOSE)

    def restore_from_task_bar(self):
        """What a click on the task bar button of a minimised window sends."""
        self._probe.post(self.hwnd, WM_SYSCOMMAND, SC_RESTORE)

    def post_hotkey(self, hotkey_id):
        self._probe.post(self.hwnd, WM_HOTKEY, hotkey_id)
