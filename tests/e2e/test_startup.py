"""The main window as it opens."""

from harness import layout

WS_MAXIMIZEBOX = 0x00010000
WS_MINIMIZEBOX = 0x00020000
WS_THICKFRAME = 0x00040000
WS_SYSMENU = 0x00080000
WS_EX_TOPMOST = 0x00000008
BS_TYPEMASK = 0x0F
BS_DEFPUSHBUTTON = 0x01


def test_window_opens_centred_with_its_caption_and_a_fixed_frame(program):
    window = program.window()
    assert window["title"] == layout.TITLE
    assert tuple(window["rect"]) == layout.WINDOW_RECT
    assert window["visible"] and not window["minimized"]
    style = window["style"]
    assert style & WS_SYSMENU and style & WS_MINIMIZEBOX, "the close and minimise boxes are shown"
    assert not style & WS_MAXIMIZEBOX, "there is no maximise box"
    assert not style & WS_THICKFRAME, "the frame cannot be dragged to resize"
    assert not window["exstyle"] & WS_EX_TOPMOST


def test_every_control_shows_its_initial_text_at_its_place(program):
    shown = {control.name: program.text(control.name) for control in layout.CONTROLS}
    assert shown == {control.name: control.text for control in layout.CONTROLS}


def test_window_opens_with_the_loop_box_unchecked_the_list_empty_and_the_focus_on_the_add_button(program):
    assert program.checked("选择框_是否循环操作") == 0
    assert program.text("编辑框_操作组合") == ""
    program.wait_for_focus("按钮_加入")


def test_no_button_is_a_default_button_and_the_timer_never_shows(program, probe):
    children = probe.children(program.hwnd)
    for name in ("按钮1", "按钮_开始", "按钮_加入"):
        style = next(child["style"] for child in children if child["hwnd"] == program.control(name))
        assert style & BS_TYPEMASK != BS_DEFPUSHBUTTON, f"{name} is drawn as the default button"
    assert not [child for child in children if child["rect"] == layout.TIMER_RECT and child["visible"]]
