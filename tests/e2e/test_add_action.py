"""The add action: one line built from the entry boxes, appended to the list box."""

import pytest

from harness import layout
from harness.text_difference import describe
from harness.waiting import wait_for_value

ENTRY_BOXES = ["编辑框_X", "编辑框_Y", "编辑框_时", "编辑框_分", "编辑框_秒", "编辑框_操作类型"]
EM_GETLINECOUNT = 0x00BA


def fill_entry_boxes(program, texts):
    for name, text in zip(ENTRY_BOXES, texts):
        program.set_text(name, text)


@pytest.mark.parametrize("list_before, list_after", [
    ("", "100,200,0,0,5,0\r\n"),
    # A last line typed without a line break: the new line continues it.
    ("1,1,0,0,1,0", "1,1,0,0,1,0100,200,0,0,5,0\r\n"),
    # Hangul, ñ and an emoji have no GBK code: they must come through whole.
    ("한글 ñ 😀\r\n", "한글 ñ 😀\r\n100,200,0,0,5,0\r\n"),
], ids=["empty list", "no final line break", "text outside GBK"])
def test_clicking_add_appends_the_line_built_from_the_boxes(program, list_before, list_after):
    program.set_text(layout.LIST, list_before)
    fill_entry_boxes(program, ["100", "200", "0", "0", "5", "0"])
    program.click_control("按钮_加入")
    wait_for_value(lambda: program.text(layout.LIST), list_after, 5, "the list with the new line")
    assert [program.text(name) for name in ENTRY_BOXES] == ["100", "200", "0", "0", "5", "0"]


def test_add_copies_empty_and_odd_box_texts_unchanged(program):
    fill_entry_boxes(program, ["", "-", "1.5", "..", "", "-3"])
    program.press_button("按钮_加入")
    assert program.text(layout.LIST) == ",-,1.5,..,,-3\r\n"


def test_a_list_of_twenty_thousand_lines_survives_the_add_action_and_typing(program, desktop):
    # Far past the 30,000 characters an edit box takes by default.
    lines = "".join(f"{n},{n},0,0,1,0\r\n" for n in range(1, 20000))
    program.set_text(layout.LIST, lines)
    fill_entry_boxes(program, ["100", "200", "0", "0", "5", "0"])
    program.press_button("按钮_加入")
    with_added = lines + "100,200,0,0,5,0\r\n"
    listed = program.text(layout.LIST)
    if listed != with_added:
        # Not a plain assert: pytest's own diff of two 400 kB texts takes minutes.
        pytest.fail(f"the list changed: {describe(listed, with_added)}")

    program.put_focus_in(layout.LIST)
    desktop.press("ctrl+End")
    desktop.type_text("7,7")
    wait_for_value(lambda: program.text(layout.LIST), with_added + "7,7", 10, "the typed characters at the end",
                   interval=0.25)


def test_a_line_wider_than_the_list_box_wraps_without_a_line_break(program, probe):
    long_line = "100,200,0,0,5,0," + "9" * 80
    program.set_text(layout.LIST, long_line)
    assert probe.send(program.control(layout.LIST), EM_GETLINECOUNT) > 1
    assert program.text(layout.LIST) == long_line
