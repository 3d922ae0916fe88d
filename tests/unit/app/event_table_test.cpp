#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ports.h"
#include "program_on_desktop.h"
#include "ui/gbk_texts.h"

namespace orvalek {
namespace {

using sim::WindowCall;

class EventTable : public ::testing::Test, protected testing::ProgramOnDesktop {
 protected:
  void SetUp() override {
    runProgram(program);
    desktop.window.clearCalls();
  }
  std::string text(ControlId control) { return desktop.window.windowText(control); }
};

TEST_F(EventTable, TheHelpButtonShowsTheThreeHelpLinesTaskModalWithoutIcon) {
  desktop.shell.click(ControlId::按钮1);
  ASSERT_EQ(desktop.process.messageBoxes().size(), 1u);
  const sim::MessageBoxRecord& box = desktop.process.messageBoxes()[0];
  EXPECT_EQ(box.title, "\xbb\xb9\xd3\xd0\xd5\xe2\xd6\xd6\xb2\xd9\xd7\xf7");  // 还有这种操作
  EXPECT_EQ(box.flags, platform::kMbOk | platform::kMbTaskModal);
  // CR LF between the lines, and no break after the last.
  EXPECT_EQ(box.text, std::string(texts::kHelpLine1) + "\r\n" + std::string(texts::kHelpLine2) +
                          "\r\n" + std::string(texts::kHelpLine3));
}

TEST_F(EventTable, TheAddButtonAppendsTheEntryBoxesAsOneLine) {
  desktop.window.setWindowText(ControlId::编辑框_X, "10");
  desktop.window.setWindowText(ControlId::编辑框_Y, "-20");
  desktop.shell.click(ControlId::按钮_加入);
  desktop.shell.click(ControlId::按钮_加入);
  EXPECT_EQ(text(ControlId::编辑框_操作组合), "10,-20,0,0,1,0\r\n10,-20,0,0,1,0\r\n");
}

TEST_F(EventTable, TheStartButtonStartsARunAndEachTimerTickClicks) {
  desktop.window.setWindowText(ControlId::编辑框_操作组合, "30,40,0,0,2,2\r\n");
  desktop.shell.click(ControlId::按钮_开始);
  EXPECT_EQ(desktop.window.timerPeriodMs(), 2000);
  EXPECT_TRUE(desktop.window.isMinimized());

  desktop.clock.advance(2000);
  const std::vector<sim::InputEvent>& input = desktop.input.events();
  ASSERT_FALSE(input.empty());
  EXPECT_EQ(input.front().kind, sim::InputEvent::CursorMove);
  EXPECT_EQ(input.front().x, 30);
  EXPECT_EQ(input.front().y, 40);
  EXPECT_EQ(input.back().flags, platform::kMouseRightUp);
  EXPECT_EQ(desktop.window.timerPeriodMs(), 0) << "the one-line run has ended";
}

struct FocusCase {
  ControlId box;
  std::string text;
  std::vector<sim::EditSelection> selections;
};

TEST_F(EventTable, OnlyTheSecondsAndMinutesBoxesSelectTheirWholeTextOnFocus) {
  const FocusCase cases[] = {
      {ControlId::编辑框_秒, "1", {{0, 0}, {0, 1}}},
      // Byte lengths: a two-byte character counts twice.
      {ControlId::编辑框_分,
       "\xd2\xbb"
       "2",
       {{0, 0}, {0, 3}}},
      {ControlId::编辑框_时, "0", {}},
      {ControlId::编辑框_X, "5", {}},
      {ControlId::编辑框_操作组合, "1,2,0,0,1,0\r\n", {}},
  };
  for (const FocusCase& focus : cases) {
    SCOPED_TRACE(static_cast<int>(focus.box));
    desktop.window.setWindowText(focus.box, focus.text);
    desktop.window.clearCalls();
    desktop.shell.focus(focus.box);
    std::vector<sim::EditSelection> selections;
    for (const WindowCall& call : desktop.window.callsOf(WindowCall::SelectRange)) {
      EXPECT_EQ(call.control, focus.box);
      selections.push_back({call.first, call.second});
    }
    EXPECT_EQ(selections, focus.selections);
    desktop.shell.focus(ControlId::按钮_加入);
  }
}

TEST_F(EventTable, TheLoopCheckBoxRunsNoHandler) {
  desktop.shell.click(ControlId::选择框_是否循环操作);
  EXPECT_TRUE(desktop.window.calls().empty());
  EXPECT_TRUE(desktop.process.messageBoxes().empty());
}

}  // namespace
}  // namespace orvalek
