"""The help box of the button 还有这种操作."""

from harness import layout
from harness.waiting import wait_until

BM_CLICK = 0x00F5
WM_CLOSE = 0x0010
WS_DISABLED = 0x08000000
SS_TYPEMASK = 0x1F
SS_ICON = 0x03
STM_GETICON = 0x0171


def shown_help_box(probe):
    boxes = [window for window in probe.top_level_windows(layout.HELP_TITLE)
             if window["title"] == layout.HELP_TITLE and window["visible"]]
    return boxes[0]["hwnd"] if boxes else None


def test_the_help_button_shows_the_help_text_in_a_box_the_window_waits_for(program, probe, desktop):
    # Posted, since the button's action does not return while the box is open.
    probe.post(program.control("按钮1"), BM_CLICK)
    box = wait_until(lambda: shown_help_box(probe), 10, "the help box")

    parts = probe.children(box)
    assert layout.HELP_TEXT in [part["text"] for part in parts]
    buttons = [part for part in parts if part["class"].lower() == "button" and part["visible"]]
    assert len(buttons) == 1, f"the help box has one button only: {buttons}"
    icons = [part for part in parts if part["class"].lower() == "static" and part["style"] & SS_TYPEMASK == SS_ICON]
    assert all(probe.send(icon["hwnd"], STM_GETICON) == 0 for icon in icons), "the help box shows an icon"
    assert program.window()["style"] & WS_DISABLED, "the main window takes input while the box is open"

    left, top = probe.window(box)["client_origin"]
    button_left, button_top, button_right, button_bottom = buttons[0]["rect"]
    desktop.focus_keyboard(box)
    desktop.click_at(left + (button_left + button_right) // 2, top + (button_top + button_bottom) // 2)
    wait_until(lambda: not probe.window(box)["exists"], 5, "the help box to close")

    assert not program.window()["style"] & WS_DISABLED, "the main window takes no input after the box"
    assert program.is_running()
    assert program.caption() == layout.TITLE


def test_a_run_goes_on_clicking_while_the_help_box_is_open(program, probe, desktop, recorder):
    program.set_text(layout.LIST, "100,200,0,0,1,0\r\n")
    program.press_button("选择框_是否循环操作")
    program.press_button("按钮_开始")
    probe.post(program.control("按钮1"), BM_CLICK)
    box = wait_until(lambda: shown_help_box(probe), 10, "the help box")
    clicks_before = len(recorder.messages())

    # Two more clicks of the loop while the box is open.
    recorder.wait_for_messages(clicks_before + 4, timeout=4)
    assert shown_help_box(probe) == box

    probe.post(box, WM_CLOSE)
    wait_until(lambda: not probe.window(box)["exists"], 5, "the help box to close")
    assert not program.window()["style"] & WS_DISABLED, "the main window takes no input after the box"
