"""The keyboard in the main window: the box filters, Tab and Shift+Tab, select-all on focus, Enter."""

import pytest

from harness import layout


def next_in_tab_order(name):
    return layout.TAB_ORDER[(layout.TAB_ORDER.index(name) + 1) % len(layout.TAB_ORDER)]


def settle_with_tab(program, desktop, focused):
    """Presses Tab and waits for the focus to move on: every key pressed before has then been handled."""
    desktop.press("Tab")
    program.wait_for_focus(next_in_tab_order(focused))


def tab_to(program, desktop, name):
    program.put_focus_in("按钮_加入")
    for step in layout.TAB_ORDER[1:layout.TAB_ORDER.index(name) + 1]:
        desktop.press("Tab")
        program.wait_for_focus(step)


@pytest.mark.parametrize("box, expected", [
    *[(box, "1-25") for box in layout.INTEGER_BOXES],
    *[(box, "1-2.5") for box in layout.DECIMAL_BOXES],
], ids=layout.report_name)
def test_typing_into_a_box_keeps_only_the_characters_of_its_kind(program, desktop, box, expected):
    program.set_text(box, "")
    program.put_focus_in(box)
    desktop.type_text("a1-2.5")
    settle_with_tab(program, desktop, box)
    assert program.text(box) == expected


@pytest.mark.parametrize("box", ["编辑框_X", "编辑框_秒"], ids=layout.report_name)
def test_pasted_text_is_not_filtered(program, probe, desktop, box):
    program.set_text(box, "")
    probe.set_clipboard("a1-2.5")
    program.put_focus_in(box)
    desktop.press("ctrl+v")
    settle_with_tab(program, desktop, box)
    assert program.text(box) == "a1-2.5"


def test_tab_and_shift_tab_cycle_through_the_eleven_controls(program, desktop):
    program.put_focus_in("按钮_加入")
    for name in layout.TAB_ORDER[1:] + layout.TAB_ORDER[:1]:
        desktop.press("Tab")
        program.wait_for_focus(name)
    for name in reversed(layout.TAB_ORDER):
        desktop.press("shift+Tab")
        program.wait_for_focus(name)
    # Tab in the list box moved the focus on and typed nothing there.
    assert program.text(layout.LIST) == ""


@pytest.mark.parametrize("box, initial", [("编辑框_秒", "1"), ("编辑框_分", "0")], ids=layout.report_name)
def test_tabbing_into_the_seconds_or_minutes_box_selects_its_text(program, desktop, box, initial):
    tab_to(program, desktop, box)
    assert program.selection(box) == (0, len(initial))
    desktop.type_text("5")
    settle_with_tab(program, desktop, box)
    assert program.text(box) == "5"


def test_tabbing_into_the_hours_box_selects_nothing(program, desktop):
    tab_to(program, desktop, "编辑框_时")
    start, end = program.selection("编辑框_时")
    assert start == end, f"the hours box selected {start}..{end} on focus"


def test_enter_in_the_list_box_breaks_the_line(program, desktop):
    program.put_focus_in(layout.LIST)
    desktop.type_text("1")
    desktop.press("Return")
    desktop.type_text("2")
    settle_with_tab(program, desktop, layout.LIST)
    assert program.text(layout.LIST) == "1\r\n2"


@pytest.mark.parametrize("focused", ["按钮_加入", "编辑框_X"], ids=layout.report_name)
def test_enter_outside_the_list_box_runs_nothing(program, probe, desktop, focused):
    program.put_focus_in(focused)
    desktop.press("Return")
    settle_with_tab(program, desktop, focused)
    assert program.text(layout.LIST) == "", "a line was added"
    assert program.caption() == layout.TITLE, "a run was started"
    assert not probe.top_level_windows(layout.HELP_TITLE), "the help box was opened"
