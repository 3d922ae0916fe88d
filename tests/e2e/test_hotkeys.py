"""F1, F2 and F3, pressed while another program (the click recorder) has the focus."""

import pytest

from harness import layout
from harness.recorder import click, kinds
from harness.timing import CLICK_TOLERANCE_MS, assert_due
from harness.waiting import wait_for_value, wait_until

BM_CLICK = 0x00F5


def test_f1_copies_the_pointer_position_into_x_and_y(program, desktop, recorder):
    program.set_text("编辑框_X", "7")
    desktop.focus_keyboard(recorder.hwnd)
    desktop.move_pointer(123, 456)
    desktop.press("F1")
    wait_for_value(lambda: (program.text("编辑框_X"), program.text("编辑框_Y")), ("123", "456"), 5,
                   "the pointer position in X and Y")
    assert recorder.messages() == []


def test_f2_appends_the_line_built_from_the_boxes_at_each_press(program, desktop, recorder):
    program.set_text("编辑框_X", "100")
    program.set_text("编辑框_Y", "200")
    desktop.focus_keyboard(recorder.hwnd)
    desktop.press("F2")
    wait_for_value(lambda: program.text(layout.LIST), "100,200,0,0,1,0\r\n", 5, "one line added")
    desktop.press("F2")
    wait_for_value(lambda: program.text(layout.LIST), "100,200,0,0,1,0\r\n" * 2, 5, "a second line added")


def test_f3_starts_a_run_from_line_1_and_stops_it_without_touching_caption_or_window(
        program, probe, desktop, recorder):
    program.set_text(layout.LIST, "100,200,0,0,1,0\r\n300,400,0,0,3,0\r\n")
    desktop.focus_keyboard(recorder.hwnd)

    pressed_before = probe.now_ms()
    desktop.press("F3")
    pressed_after = probe.now_ms()
    program.wait_for_caption(layout.running_caption(1), timeout=2)
    program.wait_until_minimized()
    first = recorder.wait_for_messages(2, timeout=3)
    assert kinds(first) == click(100, 200)
    assert_due(first[0].time_ms, pressed_before + 1000, pressed_after + 1000, "the click of line 1")
    program.wait_for_caption(layout.running_caption(2), timeout=1)

    desktop.press("F3")
    assert probe.now_ms() < first[0].time_ms + 3000 - CLICK_TOLERANCE_MS, "stopped too late to tell anything"
    wait_until(lambda: probe.now_ms() > first[0].time_ms + 3000 + 2 * CLICK_TOLERANCE_MS, 6,
               "the moment line 2 was due, and a little more")
    assert len(recorder.messages()) == 2, "a click came after the stop"
    assert program.caption() == layout.running_caption(2)
    assert program.window()["minimized"]

    # A new run starts from line 1 again.
    restarted_before = probe.now_ms()
    desktop.press("F3")
    restarted_after = probe.now_ms()
    program.wait_for_caption(layout.running_caption(1), timeout=2)
    again = recorder.wait_for_messages(4, timeout=3)
    assert kinds(again[2:]) == click(100, 200)
    assert_due(again[2].time_ms, restarted_before + 1000, restarted_after + 1000, "the click of line 1 again")


@pytest.mark.parametrize("hotkey_id", [0, 4, 0xBFFF])
def test_a_hotkey_message_with_an_unknown_id_leaves_the_program_working(
        program, probe, desktop, recorder, hotkey_id):
    program.set_text("编辑框_X", "100")
    program.set_text("编辑框_Y", "200")
    program.post_hotkey(hotkey_id)
    # Posted behind the hotkey message, so handled after it.
    probe.post(program.control("按钮_加入"), BM_CLICK)
    wait_for_value(lambda: program.text(layout.LIST), "100,200,0,0,1,0\r\n", 5, "the add button's line")
    assert program.is_running()
    assert not probe.top_level_windows("错误"), "an error box is shown"

    desktop.focus_keyboard(recorder.hwnd)
    desktop.press("F2")
    wait_for_value(lambda: program.text(layout.LIST), "100,200,0,0,1,0\r\n" * 2, 5, "F2's line")
