"""Ending the program: Esc from any control, the close box and Alt+F4 in the middle of a run."""

import pytest

from harness import layout
from harness.timing import CLICK_TOLERANCE_MS
from harness.waiting import wait_until


@pytest.mark.parametrize("focused", ["按钮_加入", "编辑框_操作组合", "编辑框_秒"], ids=layout.report_name)
def test_escape_closes_the_window_and_ends_with_exit_code_0(program, desktop, focused):
    program.put_focus_in(focused)
    desktop.press("Escape")
    assert program.wait_for_exit(timeout=10) == 0


def close_with_the_close_box(program, desktop, close_box):
    # A run minimises the window: the user first brings it back from the task bar.
    program.restore_from_task_bar()
    program.wait_until_shown_normally()
    program.focus_keyboard()
    desktop.click_at(*close_box)


def close_with_alt_f4(program, desktop, _):
    # Still minimised: the user picks it in the task bar and presses Alt+F4.
    assert program.window()["minimized"]
    program.focus_keyboard()
    desktop.press("alt+F4")


@pytest.mark.parametrize("close", [close_with_the_close_box, close_with_alt_f4], ids=["close box", "alt+F4"])
def test_closing_in_the_middle_of_a_run_ends_with_exit_code_0_and_no_click_follows(
        program, probe, desktop, recorder, close):
    program.set_text(layout.LIST, "100,200,0,0,3,0\r\n")
    # Found before the run: the window comes back to the same place.
    close_box = program.close_box_point()
    started_before, started_after = program.press_button("按钮_开始")
    program.wait_until_minimized()

    close(program, desktop, close_box)
    assert program.wait_for_exit(timeout=10) == 0
    assert probe.now_ms() < started_before + 3000 - CLICK_TOLERANCE_MS, "closed too late to tell anything"

    wait_until(lambda: probe.now_ms() > started_after + 3000 + 2 * CLICK_TOLERANCE_MS, 5,
               "the moment the click was due, and a little more")
    assert recorder.messages() == []
