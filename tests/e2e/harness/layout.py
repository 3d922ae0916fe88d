"""The main window as its user sees it: its place, texts, controls and tab order."""

from dataclasses import dataclass

TITLE = "Orvalek自动化3.5"
RUNNING_CAPTION_PREFIX = "Orvalek自动化3.5 开启中，操作次数："
STOPPED_CAPTION = "Orvalek自动化3.5 已停止！"

HELP_TITLE = "还有这种操作"
HELP_TEXT = "\r\n".join([
    "操作信息：X,Y,时,分,秒,操作类型",
    "操作类型，X：表示横坐标，Y：表示纵坐标，时分秒：表示本次操作时间为多少时间后，"
    "操作类型：0鼠标左键单击、1鼠标左键双击、2鼠标右键单击、3鼠标右键双击。",
    "F1：自动填充鼠标所在XY，F2：加入一条操作，F3：开始/停止操作。",
])

# Centred on a 1920 x 1080 screen with truncating division: (1920 - 462) / 2
# and (1080 - 255) / 2.
WINDOW_RECT = (729, 412, 729 + 462, 412 + 255)


def running_caption(line):
    return f"{RUNNING_CAPTION_PREFIX}{line}"


@dataclass(frozen=True)
class Control:
    name: str
    kind: str  # "button", "check box", "edit", "list", "label"
    left: int
    top: int
    width: int
    height: int
    text: str

    @property
    def rect(self):
        """The rectangle relative to the window's client area, as [left, top, right, bottom]."""
        return [self.left, self.top, self.left + self.width, self.top + self.height]


# Every control that shows itself, in the order of creation. The timer
# 时钟1 is not among them: it never shows.
CONTROLS = [
    Control("按钮1", "button", 152, 8, 80, 32, "还有这种操作"),
    Control("选择框_是否循环操作", "check box", 8, 200, 120, 24, "是否循环操作"),
    Control("按钮_开始", "button", 152, 184, 80, 32, "开始"),
    Control("编辑框_操作类型", "edit", 8, 144, 80, 20, "0"),
    Control("标签7", "label", 96, 144, 32, 24, "操作"),
    Control("编辑框_操作组合", "list", 248, 8, 192, 208, ""),
    Control("标签_显示时间", "label", 8, 169, 120, 24, "下次操作的时间"),
    Control("标签6", "label", 91, 112, 24, 24, "Y"),
    Control("标签5", "label", 91, 80, 24, 24, "X"),
    Control("编辑框_Y", "edit", 8, 112, 80, 20, ""),
    Control("编辑框_X", "edit", 8, 80, 80, 20, ""),
    Control("标签4", "label", 216, 112, 32, 24, "秒"),
    Control("编辑框_秒", "edit", 128, 112, 80, 20, "1"),
    Control("标签3", "label", 216, 80, 32, 24, "分"),
    Control("编辑框_分", "edit", 128, 80, 80, 20, "0"),
    Control("标签2", "label", 216, 48, 32, 24, "时"),
    Control("编辑框_时", "edit", 128, 48, 80, 20, "0"),
    Control("标签1", "label", 40, 48, 80, 24, "设置时间:"),
    Control("按钮_加入", "button", 152, 144, 80, 32, "加入操作"),
]
# The list box: the whole store of operations.
LIST = "编辑框_操作组合"
CONTROL_BY_NAME = {control.name: control for control in CONTROLS}
TIMER_RECT = [8, 16, 8 + 26, 16 + 26]

TAB_ORDER = [
    "按钮_加入",
    "编辑框_时",
    "编辑框_分",
    "编辑框_秒",
    "编辑框_X",
    "编辑框_Y",
    "编辑框_操作组合",
    "编辑框_操作类型",
    "按钮_开始",
    "选择框_是否循环操作",
    "按钮1",
]

# The one-line boxes by the characters they let through.
INTEGER_BOXES = ["编辑框_X", "编辑框_Y", "编辑框_操作类型"]
DECIMAL_BOXES = ["编辑框_时", "编辑框_分", "编辑框_秒"]

# Plain names of the controls for the test report, which escapes other characters.
_REPORT_NAMES = {
    "按钮_加入": "add-button",
    "编辑框_操作组合": "list-box",
    "编辑框_操作类型": "click-kind-box",
    "编辑框_X": "x-box",
    "编辑框_Y": "y-box",
    "编辑框_时": "hours-box",
    "编辑框_分": "minutes-box",
    "编辑框_秒": "seconds-box",
}


def report_name(value):
    """A test id for a parameter: the control's plain name, or pytest's own id for other values."""
    return _REPORT_NAMES.get(value) if isinstance(value, str) else None
