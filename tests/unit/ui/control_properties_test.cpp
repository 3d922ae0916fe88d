#include "ui/control_properties.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/sim/simulated_window.h"
#include "platform/sim/virtual_clock.h"
#include "ui/gbk_texts.h"

namespace orvalek {
namespace {

using platform::Point;
using platform::Size;
using ShowCommand = platform::WindowPort::ShowCommand;
using sim::WindowCall;

// A window with its properties on a clock of its own: each case of a table
// starts from a freshly opened window.
struct WindowWithProperties {
  sim::VirtualClock clock;
  sim::SimulatedWindow window{clock};
  ControlProperties controls{window};
};

class ControlPropertiesTest : public ::testing::Test {
 protected:
  WindowWithProperties desktop;
  sim::SimulatedWindow& window = desktop.window;
  ControlProperties& controls = desktop.controls;
};

struct IntervalWrite {
  std::int64_t atMs;
  std::int32_t value;
};

struct IntervalCase {
  const char* name;
  std::vector<IntervalWrite> writes;
  std::int64_t runUntilMs;
  std::vector<std::int64_t> expectedTicks;
  std::int32_t expectedInterval;
  std::vector<std::int32_t> expectedArmedPeriods;  // each setTimer, in order
  std::size_t expectedKills;
};

TEST_F(ControlPropertiesTest, IntervalWritesArmKeepOrRestartTheTimer) {
  const std::vector<IntervalCase> cases = {
      {"the same interval twice keeps the first countdown",
       {{0, 2000}, {1500, 2000}},
       5000,
       {2000, 4000},
       2000,
       {2000},
       0},
      {"another interval restarts from the write",
       {{0, 2000}, {1500, 3000}},
       8000,
       {4500, 7500},
       3000,
       {2000, 3000},
       1},
      {"a negative interval disarms and reads 0", {{0, 2000}, {1500, -5}}, 6000, {}, 0, {2000}, 1},
      {"a negative interval while disarmed makes no call", {{0, -5}, {100, 0}}, 3000, {}, 0, {}, 0},
      {"re-arming after a disarm counts from that write",
       {{0, 2000}, {2500, 0}, {3000, 2000}},
       5500,
       {2000, 5000},
       2000,
       {2000, 2000},
       1},
  };
  for (const IntervalCase& testCase : cases) {
    SCOPED_TRACE(testCase.name);
    WindowWithProperties fresh;
    auto& [caseClock, caseWindow, caseControls] = fresh;
    std::vector<std::int64_t> ticks;
    caseWindow.setTimerSink([&] { ticks.push_back(caseClock.nowMs()); });

    for (const IntervalWrite& write : testCase.writes) {
      caseClock.advanceTo(write.atMs);
      caseControls.setInterval(write.value);
    }
    caseClock.advanceTo(testCase.runUntilMs);

    EXPECT_EQ(ticks, testCase.expectedTicks);
    EXPECT_EQ(caseControls.interval(), testCase.expectedInterval);
    EXPECT_EQ(caseWindow.isTimerArmed(), testCase.expectedInterval > 0);
    std::vector<std::int32_t> armedPeriods;
    for (const WindowCall& call : caseWindow.callsOf(WindowCall::SetTimer)) {
      armedPeriods.push_back(call.first);
    }
    EXPECT_EQ(armedPeriods, testCase.expectedArmedPeriods);
    EXPECT_EQ(caseWindow.callsOf(WindowCall::KillTimer).size(), testCase.expectedKills);
  }
}

TEST_F(ControlPropertiesTest, DisplayStateClampsAndShowsTheWindowAccordingly) {
  struct Case {
    std::int32_t written;
    ShowCommand expectedCommand;
    std::int32_t expectedRead;
  };
  const Case cases[] = {
      {0, ShowCommand::Normal, 0},   {2, ShowCommand::Minimize, 2},
      {3, ShowCommand::Maximize, 3}, {7, ShowCommand::Maximize, 3},
      {-1, ShowCommand::Normal, 0},  {std::int32_t{-2147483647 - 1}, ShowCommand::Normal, 0},
  };
  for (const Case& testCase : cases) {
    SCOPED_TRACE(testCase.written);
    WindowWithProperties fresh;
    auto& [caseClock, caseWindow, caseControls] = fresh;

    caseControls.setDisplayState(testCase.written);

    const auto shows = caseWindow.callsOf(WindowCall::Show);
    ASSERT_EQ(shows.size(), 1u);
    EXPECT_EQ(shows[0].first, static_cast<std::int32_t>(testCase.expectedCommand));
    EXPECT_EQ(caseControls.displayState(), testCase.expectedRead);
  }
}

TEST_F(ControlPropertiesTest, DisplayStateDoesNothingWhileTheWindowIsHidden) {
  window.setVisible(false);
  for (std::int32_t state : {0, 1, 2, 3, 7, -1}) controls.setDisplayState(state);

  EXPECT_TRUE(window.calls().empty());
  EXPECT_FALSE(window.isMainWindowVisible());
  EXPECT_EQ(controls.displayState(), 0);
}

TEST_F(ControlPropertiesTest, MinimisingThenShowingNormallyRestoresPlaceAndSize) {
  window.moveMainWindow({100, 50});
  controls.setDisplayState(2);
  EXPECT_EQ(controls.displayState(), 2);
  EXPECT_FALSE(window.isActive());

  controls.setDisplayState(0);

  EXPECT_EQ(controls.displayState(), 0);
  EXPECT_TRUE(window.isActive());
  EXPECT_EQ(window.mainWindowPosition(), (Point{100, 50}));
  EXPECT_EQ(window.mainWindowSize(), kMainWindowOuterSize);
}

TEST_F(ControlPropertiesTest, DisplayStateOneRestoresAndCentresUnlessAlreadyThere) {
  struct Case {
    const char* name;
    ShowCommand before;  // Normal leaves the window as it is
    Point placedAt;
    std::vector<std::int32_t> expectedCommands;  // after the `before` command
    bool expectMove;
  };
  const Case cases[] = {
      {"minimised and moved",
       ShowCommand::Minimize,
       {10, 20},
       {static_cast<std::int32_t>(ShowCommand::Restore)},
       true},
      {"maximised at the centre",
       ShowCommand::Maximize,
       {729, 412},
       {static_cast<std::int32_t>(ShowCommand::Restore)},
       false},
      {"normal and moved", ShowCommand::Normal, {10, 20}, {}, true},
      {"normal at the centre", ShowCommand::Normal, {729, 412}, {}, false},
  };
  for (const Case& testCase : cases) {
    SCOPED_TRACE(testCase.name);
    WindowWithProperties fresh;
    auto& [caseClock, caseWindow, caseControls] = fresh;
    caseWindow.moveMainWindow(testCase.placedAt);
    if (testCase.before != ShowCommand::Normal) caseWindow.showMainWindow(testCase.before);
    caseWindow.clearCalls();

    caseControls.setDisplayState(1);

    std::vector<std::int32_t> commands;
    for (const WindowCall& call : caseWindow.callsOf(WindowCall::Show)) {
      commands.push_back(call.first);
    }
    EXPECT_EQ(commands, testCase.expectedCommands);
    EXPECT_EQ(caseWindow.callsOf(WindowCall::Move).size(), testCase.expectMove ? 1u : 0u);
    EXPECT_EQ(caseWindow.mainWindowPosition(), (Point{729, 412}));
    EXPECT_EQ(caseControls.displayState(), 0);
  }
}

TEST_F(ControlPropertiesTest, DisplayStateOneCentresOnTheCurrentScreenSize) {
  window.setScreenSize(Size{1366, 769});
  controls.setDisplayState(1);
  // (1366 - 462) / 2 = 452 and (769 - 255) / 2 = 257, truncated.
  EXPECT_EQ(window.mainWindowPosition(), (Point{452, 257}));
}

TEST_F(ControlPropertiesTest, SelectionWritesFollowTheMinusOneRules) {
  struct Write {
    bool isStart;  // selectionStart, else selectionLength
    std::int32_t value;
  };
  struct Case {
    const char* name;
    std::vector<Write> writes;
    std::vector<sim::EditSelection> expectedRanges;  // one per write
  };
  // "ab中c" is five bytes: the two-byte character counts twice.
  const std::string boxText =
      "ab\xd6\xd0"
      "c";
  const std::vector<Case> cases = {
      {"start 0 then the text's length selects it all", {{true, 0}, {false, 5}}, {{0, 0}, {0, 5}}},
      {"length -1 selects it all in one write", {{false, -1}}, {{0, 5}}},
      {"start -1 puts the caret after the text", {{false, 3}, {true, -1}}, {{0, 3}, {5, 5}}},
      {"length -1 resets the start", {{true, 4}, {false, -1}}, {{4, 4}, {0, 5}}},
      {"start keeps the length", {{false, 2}, {true, 2}}, {{0, 2}, {2, 4}}},
      {"other negatives count as 0",
       {{true, 3}, {false, 2}, {true, -4}, {false, -9}},
       {{3, 3}, {3, 5}, {0, 2}, {0, 0}}},
      {"positions beyond the text are passed on", {{true, 9}, {false, 4}}, {{9, 9}, {9, 13}}},
      {"the end does not overflow",
       {{true, 2147483647}, {false, 10}},
       {{2147483647, 2147483647}, {2147483647, 2147483647}}},
  };
  for (const Case& testCase : cases) {
    SCOPED_TRACE(testCase.name);
    WindowWithProperties fresh;
    auto& [caseClock, caseWindow, caseControls] = fresh;
    caseControls.setText(ControlId::编辑框_X, boxText);
    caseWindow.clearCalls();

    std::vector<sim::EditSelection> ranges;
    for (const Write& write : testCase.writes) {
      if (write.isStart) {
        caseControls.setSelectionStart(ControlId::编辑框_X, write.value);
      } else {
        caseControls.setSelectionLength(ControlId::编辑框_X, write.value);
      }
      ranges.push_back(caseWindow.selection(ControlId::编辑框_X));
    }

    EXPECT_EQ(ranges, testCase.expectedRanges);
    EXPECT_EQ(caseWindow.callsOf(WindowCall::SelectRange).size(), testCase.writes.size());
    EXPECT_EQ(caseWindow.scrollCaretCount(ControlId::编辑框_X),
              static_cast<std::int32_t>(testCase.writes.size()));
  }
}

TEST_F(ControlPropertiesTest, EachBoxKeepsItsOwnSelection) {
  controls.setText(ControlId::编辑框_秒, "12");
  controls.setSelectionLength(ControlId::编辑框_秒, 2);
  controls.setSelectionStart(ControlId::编辑框_分, 0);
  EXPECT_EQ(window.selection(ControlId::编辑框_分), (sim::EditSelection{0, 0}));
  EXPECT_EQ(window.selection(ControlId::编辑框_秒), (sim::EditSelection{0, 2}));
}

TEST_F(ControlPropertiesTest, CheckedReadsOneOnlyWhileTheBoxShowsACheck) {
  EXPECT_EQ(controls.checked(ControlId::选择框_是否循环操作), 0);
  window.setChecked(ControlId::选择框_是否循环操作, true);
  EXPECT_EQ(controls.checked(ControlId::选择框_是否循环操作), 1);
  window.setChecked(ControlId::选择框_是否循环操作, false);
  EXPECT_EQ(controls.checked(ControlId::选择框_是否循环操作), 0);
}

TEST_F(ControlPropertiesTest, CaptionsAndTextsReplaceTheWholeContent) {
  EXPECT_EQ(controls.caption(), texts::kWindowTitle);
  controls.setCaption(texts::kStoppedCaption);
  EXPECT_EQ(controls.caption(), texts::kStoppedCaption);

  controls.setLabelCaption(ControlId::标签_显示时间, "9:5:7");
  EXPECT_EQ(window.windowText(ControlId::标签_显示时间), "9:5:7");

  controls.setText(ControlId::编辑框_操作组合, "1,1,0,0,1,0\r\n");
  controls.setText(ControlId::编辑框_操作组合, "");
  EXPECT_EQ(controls.text(ControlId::编辑框_操作组合), "");
}

}  // namespace
}  // namespace orvalek
