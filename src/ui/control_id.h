#pragma once

// The main window and its controls, by the names the user interface gives
// them. The numbers follow the order of creation; 0 is the window itself.

namespace orvalek {

enum class ControlId : int {
  MainWindow = 0,
  按钮1 = 1,
  选择框_是否循环操作 = 2,
  按钮_开始 = 3,
  编辑框_操作类型 = 4,
  标签7 = 5,
  编辑框_操作组合 = 6,
  标签_显示时间 = 7,
  标签6 = 8,
  标签5 = 9,
  编辑框_Y = 10,
  编辑框_X = 11,
  标签4 = 12,
  编辑框_秒 = 13,
  标签3 = 14,
  编辑框_分 = 15,
  标签2 = 16,
  编辑框_时 = 17,
  时钟1 = 18,
  标签1 = 19,
  按钮_加入 = 20,
};

inline constexpr int kControlCount = 20;

}  // namespace orvalek
