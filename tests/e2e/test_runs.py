"""Runs of the list, watched by the click recorder: clicks, their times, the captions, the window state."""

from harness import layout
from harness.recorder import click, double_click, kinds
from harness.timing import CLICK_TOLERANCE_MS, assert_due
from harness.waiting import wait_until


def test_a_two_line_run_clicks_each_line_at_its_time_then_stops(program, recorder):
    program.set_text(layout.LIST, "100,200,0,0,2,0\r\n300,400,0,0,3,1\r\n")
    started_before, started_after = program.press_button("按钮_开始")
    assert program.caption() == layout.running_caption(1)
    program.wait_until_minimized()

    first = recorder.wait_for_messages(2, timeout=4)
    assert kinds(first) == click(100, 200)
    assert_due(first[0].time_ms, started_before + 2000, started_after + 2000, "the click of line 1")
    program.wait_for_caption(layout.running_caption(2), timeout=1)
    assert program.window()["minimized"]

    both = recorder.wait_for_messages(6, timeout=5)
    assert kinds(both) == click(100, 200) + double_click(300, 400)
    assert_due(both[2].time_ms, first[0].time_ms + 3000, first[0].time_ms + 3000, "the double click of line 2")
    program.wait_for_caption(layout.STOPPED_CAPTION, timeout=2)
    program.wait_until_shown_normally()
    window = program.window()
    assert tuple(window["rect"]) == layout.WINDOW_RECT
    assert window["foreground"], "the window came back without being activated"


# Click kind, the button it presses and whether it clicks twice; a kind
# outside 0 to 3 acts as 0.
CLICK_KINDS = [(0, "L", False), (1, "L", True), (2, "R", False), (3, "R", True), (7, "L", False), (-1, "L", False)]


def test_each_click_kind_sends_its_button_presses_at_its_line_position(program, recorder):
    # Half a second and 100 pixels apart, so that no two lines make one double click.
    positions = [(100 + 100 * line, 300) for line in range(len(CLICK_KINDS))]
    program.set_text(layout.LIST, "".join(f"{x},{y},0,0,0.5,{kind}\r\n"
                                          for (x, y), (kind, _, _) in zip(positions, CLICK_KINDS)))
    program.press_button("按钮_开始")

    expected = [message for (x, y), (_, button, twice) in zip(positions, CLICK_KINDS)
                for message in (double_click if twice else click)(x, y, button)]
    assert kinds(recorder.wait_for_messages(len(expected), timeout=6)) == expected
    program.wait_for_caption(layout.STOPPED_CAPTION, timeout=2)


def test_a_looping_run_starts_over_at_line_1(program, recorder):
    program.set_text(layout.LIST, "100,200,0,0,1,0\r\n300,400,0,0,1,0\r\n")
    program.press_button("选择框_是否循环操作")
    assert program.checked("选择框_是否循环操作") == 1
    program.press_button("按钮_开始")

    two_lines = recorder.wait_for_messages(4, timeout=4)
    assert kinds(two_lines) == click(100, 200) + click(300, 400)
    program.wait_for_caption(layout.running_caption(1), timeout=0.8)
    assert program.window()["minimized"]

    clicks = recorder.wait_for_messages(8, timeout=4)
    assert kinds(clicks[:8]) == (click(100, 200) + click(300, 400)) * 2
    # Both lines wait 1 s, so the timer keeps its phase: a click every second.
    presses = [message.time_ms for message in clicks[:8:2]]
    for earlier, later in zip(presses, presses[1:]):
        assert_due(later, earlier + 1000, earlier + 1000, "a click of the loop")


def test_a_blank_line_halts_the_run_and_leaves_the_program_running(program, probe, recorder):
    listing = "1,1,0,0,1,0\r\n\r\n"
    program.set_text(layout.LIST, listing)
    _, started_after = program.press_button("按钮_开始")

    assert kinds(recorder.wait_for_messages(2, timeout=3)) == click(1, 1)
    program.wait_for_caption(layout.running_caption(2), timeout=1)
    program.wait_until_shown_normally()

    # A second after the click, nothing more has happened and nothing has failed.
    wait_until(lambda: probe.now_ms() > started_after + 2000 + CLICK_TOLERANCE_MS, 5, "a second to pass")
    assert program.is_running()
    assert not probe.top_level_windows("错误"), "an error box is shown"
    assert program.caption() == layout.running_caption(2)
    assert program.text(layout.LIST) == listing
    assert len(recorder.messages()) == 2

    program.press_button("按钮_加入")
    assert program.text(layout.LIST) == listing + ",,0,0,1,0\r\n", "the window no longer works"
