#pragma once

// Every text the program shows, as code page 936 (GBK) bytes: the program
// works on GBK byte strings whatever the system's own code page, and only
// the Windows layer converts them for display. The readable text stands
// in the comment above each constant.

#include <string_view>

namespace orvalek::texts {

// Caption of the main window when it opens. "Orvalek自动化3.5"
inline constexpr std::string_view kWindowTitle =
    "Orvalek\xd7\xd4\xb6\xaf\xbb\xaf"
    "3.5";

// Caption while a run is on; the pending line number follows. "Orvalek自动化3.5 开启中，操作次数："
inline constexpr std::string_view kRunningCaptionPrefix =
    "Orvalek\xd7\xd4\xb6\xaf\xbb\xaf"
    "3.5 \xbf\xaa\xc6\xf4\xd6\xd0\xa3\xac\xb2\xd9\xd7\xf7\xb4\xce\xca\xfd\xa3\xba";

// Caption after a run has clicked its last line. "Orvalek自动化3.5 已停止！"
inline constexpr std::string_view kStoppedCaption =
    "Orvalek\xd7\xd4\xb6\xaf\xbb\xaf"
    "3.5 \xd2\xd1\xcd\xa3\xd6\xb9\xa3\xa1";

// 按钮1, and the title of the help box. "还有这种操作"
inline constexpr std::string_view kHelpButton = "\xbb\xb9\xd3\xd0\xd5\xe2\xd6\xd6\xb2\xd9\xd7\xf7";

// 选择框_是否循环操作 "是否循环操作"
inline constexpr std::string_view kLoopCheckBox =
    "\xca\xc7\xb7\xf1\xd1\xad\xbb\xb7\xb2\xd9\xd7\xf7";

// 按钮_开始 "开始"
inline constexpr std::string_view kStartButton = "\xbf\xaa\xca\xbc";

// 标签7 "操作"
inline constexpr std::string_view kClickKindLabel = "\xb2\xd9\xd7\xf7";

// 标签_显示时间 until the first start "下次操作的时间"
inline constexpr std::string_view kNextClickLabel =
    "\xcf\xc2\xb4\xce\xb2\xd9\xd7\xf7\xb5\xc4\xca\xb1\xbc\xe4";

// 标签6 "Y"
inline constexpr std::string_view kYLabel = "Y";

// 标签5 "X"
inline constexpr std::string_view kXLabel = "X";

// 标签4 "秒"
inline constexpr std::string_view kSecondsLabel = "\xc3\xeb";

// 标签3 "分"
inline constexpr std::string_view kMinutesLabel = "\xb7\xd6";

// 标签2 "时"
inline constexpr std::string_view kHoursLabel = "\xca\xb1";

// 标签1 "设置时间:"
inline constexpr std::string_view kSetTimeLabel = "\xc9\xe8\xd6\xc3\xca\xb1\xbc\xe4:";

// 按钮_加入 "加入操作"
inline constexpr std::string_view kAddButton = "\xbc\xd3\xc8\xeb\xb2\xd9\xd7\xf7";

// Help text, line 1. "操作信息：X,Y,时,分,秒,操作类型"
inline constexpr std::string_view kHelpLine1 =
    "\xb2\xd9\xd7\xf7\xd0\xc5\xcf\xa2\xa3\xbaX,Y,\xca\xb1,\xb7\xd6,\xc3\xeb,"
    "\xb2\xd9\xd7\xf7\xc0\xe0\xd0\xcd";

// Help text, line 2.
// "操作类型，X：表示横坐标，Y：表示纵坐标，时分秒：表示本次操作时间为多少时间后，操作类型：0鼠标左键单击、1鼠标左键双击、2鼠标右键单击、3鼠标右键双击。"
inline constexpr std::string_view kHelpLine2 =
    "\xb2\xd9\xd7\xf7\xc0\xe0\xd0\xcd\xa3\xacX\xa3\xba\xb1\xed\xca\xbe\xba\xe1\xd7\xf8\xb1\xea\xa3"
    "\xacY\xa3\xba\xb1\xed\xca\xbe\xd7\xdd\xd7\xf8\xb1\xea\xa3\xac\xca\xb1\xb7\xd6\xc3\xeb\xa3\xba"
    "\xb1\xed\xca\xbe\xb1\xbe\xb4\xce\xb2\xd9\xd7\xf7\xca\xb1\xbc\xe4\xce\xaa\xb6\xe0\xc9\xd9\xca"
    "\xb1\xbc\xe4\xba\xf3\xa3\xac\xb2\xd9\xd7\xf7\xc0\xe0\xd0\xcd\xa3\xba"
    "0\xca\xf3\xb1\xea\xd7\xf3\xbc\xfc\xb5\xa5\xbb\xf7\xa1\xa2"
    "1\xca\xf3\xb1\xea\xd7\xf3\xbc\xfc\xcb\xab\xbb\xf7\xa1\xa2"
    "2\xca\xf3\xb1\xea\xd3\xd2\xbc\xfc\xb5\xa5\xbb\xf7\xa1\xa2"
    "3\xca\xf3\xb1\xea\xd3\xd2\xbc\xfc\xcb\xab\xbb\xf7\xa1\xa3";

// Help text, line 3. "F1：自动填充鼠标所在XY，F2：加入一条操作，F3：开始/停止操作。"
inline constexpr std::string_view kHelpLine3 =
    "F1\xa3\xba\xd7\xd4\xb6\xaf\xcc\xee\xb3\xe4\xca\xf3\xb1\xea\xcb\xf9\xd4\xdaXY\xa3\xac"
    "F2\xa3\xba\xbc\xd3\xc8\xeb\xd2\xbb\xcc\xf5\xb2\xd9\xd7\xf7\xa3\xac"
    "F3\xa3\xba\xbf\xaa\xca\xbc/\xcd\xa3\xd6\xb9\xb2\xd9\xd7\xf7\xa1\xa3";

// Title of the fatal error box. "错误"
inline constexpr std::string_view kErrorTitle = "\xb4\xed\xce\xf3";

// First piece of every fatal error text. "运行时出错!\r\n"
inline constexpr std::string_view kErrorHeading =
    "\xd4\xcb\xd0\xd0\xca\xb1\xb3\xf6\xb4\xed!\x0d\x0a";

// Before the error code. "\r\n错误代码："
inline constexpr std::string_view kErrorCodePrefix =
    "\x0d\x0a\xb4\xed\xce\xf3\xb4\xfa\xc2\xeb\xa3\xba";

// Before the error message. "\r\n错误信息："
inline constexpr std::string_view kErrorMessagePrefix =
    "\x0d\x0a\xb4\xed\xce\xf3\xd0\xc5\xcf\xa2\xa3\xba";

// The main window could not be created. "载入启动窗口失败"
inline constexpr std::string_view kWindowCreationFailed =
    "\xd4\xd8\xc8\xeb\xc6\xf4\xb6\xaf\xb4\xb0\xbf\xda\xca\xa7\xb0\xdc";

// Allocation failure message, before the byte count. "分配 "
inline constexpr std::string_view kAllocationFailedPrefix = "\xb7\xd6\xc5\xe4 ";

// Allocation failure message, after the byte count. " 字节内存失败!"
inline constexpr std::string_view kAllocationFailedSuffix =
    " \xd7\xd6\xbd\xda\xc4\xda\xb4\xe6\xca\xa7\xb0\xdc!";

}  // namespace orvalek::texts
