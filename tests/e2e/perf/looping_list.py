"""The set-up both Wine measurements share: a one-line list that loops."""

LIST = "编辑框_操作组合"
LOOP_BOX = "选择框_是否循环操作"


def one_line_list(x, y, period_ms):
    """A line that clicks left once at (x, y) after period_ms, ended by CR LF."""
    return f"{x},{y},0,0,{period_ms / 1000},0\r\n"


def prepare_looping_list(program, x, y, period_ms):
    program.set_text(LIST, one_line_list(x, y, period_ms))
    program.press_button(LOOP_BOX)
    assert program.checked(LOOP_BOX) == 1, "the loop box did not take the check"
