#include "hotkeys/hotkey_bindings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "platform/sim/simulated_desktop.h"
#include "ui/gbk_texts.h"

namespace orvalek {
namespace {

using platform::Point;
using platform::WindowHandle;
using sim::HotkeyRegistration;

constexpr WindowHandle kMainWindow = sim::SimulatedWindow::kHandle;
constexpr std::int32_t kMinimized = 2;

Text runningCaption(std::int32_t line) {
  return joinTexts({texts::kRunningCaptionPrefix, formatInt(line)});
}

// A cursor that is somewhere else at every reading, as when the user moves
// the mouse while the position is taken.
class MovingCursor final : public platform::InputPort {
 public:
  explicit MovingCursor(std::vector<Point> readings) : readings_(std::move(readings)) {}
  void setCursorPos(std::int32_t, std::int32_t) override {}
  void mouseEvent(std::uint32_t, std::int32_t, std::int32_t) override {}
  Point cursorPos() override { return readings_.at(next_++); }

 private:
  std::vector<Point> readings_;
  std::size_t next_ = 0;
};

class HotkeyBindingsTest : public ::testing::Test {
 protected:
  void bind() { bindHotkeys(registry, controls, run, desktop.input); }
  void pressKey(std::uint32_t virtualKey) {
    ASSERT_TRUE(desktop.hotkeys.pressKey(virtualKey, 0)) << virtualKey;
  }

  sim::SimulatedDesktop desktop;
  ControlProperties controls{desktop.window};
  RunController run{controls, desktop.input, desktop.clock};
  HotkeyRegistry registry{desktop.hotkeys, desktop.walk, desktop.clock};
};

TEST_F(HotkeyBindingsTest, F1F2F3AreBoundInOrderForTheMainWindow) {
  bind();

  EXPECT_EQ(
      desktop.hotkeys.registerCalls(),
      (std::vector<HotkeyRegistration>{
          {kMainWindow, 1, 0, kVkF1}, {kMainWindow, 2, 0, kVkF2}, {kMainWindow, 3, 0, kVkF3}}));
  ASSERT_EQ(registry.records().size(), 3u);
  for (std::size_t i = 0; i < registry.records().size(); ++i) {
    EXPECT_EQ(registry.records()[i].id, static_cast<std::int32_t>(i + 1));
    EXPECT_EQ(registry.records()[i].window, kMainWindow);
  }
  EXPECT_EQ(desktop.hotkeys.subclassCalls(), std::vector<WindowHandle>{kMainWindow});
}

TEST_F(HotkeyBindingsTest, AKeyAnotherProgramHoldsStaysUnboundAndTheOthersWork) {
  desktop.hotkeys.holdByOtherProgram(kVkF1, 0);
  controls.setText(ControlId::编辑框_操作组合, "");

  bind();

  ASSERT_EQ(registry.records().size(), 2u);
  EXPECT_EQ(registry.records()[0].id, 2);
  EXPECT_EQ(registry.records()[1].id, 3);
  EXPECT_EQ(desktop.hotkeys.subclassCalls(), std::vector<WindowHandle>{kMainWindow});
  EXPECT_FALSE(desktop.hotkeys.pressKey(kVkF1, 0));
  pressKey(kVkF2);
  EXPECT_FALSE(controls.text(ControlId::编辑框_操作组合).empty());
}

TEST_F(HotkeyBindingsTest, F1WritesTheCursorPositionIntoTheXAndYBoxes) {
  struct Case {
    Point cursor;
    const char* x;
    const char* y;
  };
  const Case cases[] = {
      {{100, 200}, "100", "200"},
      {{-5, 7}, "-5", "7"},
      {{0, -1080}, "0", "-1080"},
      {{std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min()},
       "2147483647",
       "-2147483648"},
  };
  bind();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    controls.setText(ControlId::编辑框_X, "999");
    controls.setText(ControlId::编辑框_Y, "abc");
    desktop.input.placeCursor(c.cursor.x, c.cursor.y);

    pressKey(kVkF1);

    EXPECT_EQ(controls.text(ControlId::编辑框_X), c.x);
    EXPECT_EQ(controls.text(ControlId::编辑框_Y), c.y);
  }
  // Taking the position sends no input of its own.
  EXPECT_TRUE(desktop.input.events().empty());
}

TEST_F(HotkeyBindingsTest, EachCoordinateIsReadAfreshJustBeforeItIsWritten) {
  MovingCursor cursor({{100, 200}, {300, 400}});

  captureMousePosition(cursor, controls);

  EXPECT_EQ(controls.text(ControlId::编辑框_X), "100");
  EXPECT_EQ(controls.text(ControlId::编辑框_Y), "400");
}

TEST_F(HotkeyBindingsTest, F2AppendsTheLineBuiltFromTheBoxesAtEachPress) {
  bind();
  controls.setText(ControlId::编辑框_操作组合, "1,2,0,0,1,0\r\n");
  controls.setText(ControlId::编辑框_X, "12");
  controls.setText(ControlId::编辑框_Y, "34");
  controls.setText(ControlId::编辑框_时, "0");
  controls.setText(ControlId::编辑框_分, "1");
  controls.setText(ControlId::编辑框_秒, "2.5");
  controls.setText(ControlId::编辑框_操作类型, "3");

  // A held key repeats: every repetition appends a line.
  pressKey(kVkF2);
  pressKey(kVkF2);

  EXPECT_EQ(controls.text(ControlId::编辑框_操作组合),
            "1,2,0,0,1,0\r\n12,34,0,1,2.5,3\r\n12,34,0,1,2.5,3\r\n");
}

TEST_F(HotkeyBindingsTest, F3StartsFromLineOneAndStopsWithoutTouchingCaptionOrWindow) {
  bind();
  desktop.window.setTimerSink([this] { run.onTimerTick(); });
  controls.setText(ControlId::编辑框_操作组合, "5,6,0,0,2,0\r\n7,8,0,0,3,0\r\n");

  pressKey(kVkF3);
  EXPECT_EQ(controls.interval(), 2000);
  EXPECT_EQ(controls.caption(), runningCaption(1));
  EXPECT_EQ(controls.displayState(), kMinimized);

  // Half-way through the second line's wait.
  desktop.clock.advance(2000 + 1500);
  ASSERT_EQ(controls.caption(), runningCaption(2));

  pressKey(kVkF3);
  EXPECT_EQ(controls.interval(), 0);
  EXPECT_FALSE(desktop.window.isTimerArmed());
  EXPECT_EQ(controls.caption(), runningCaption(2));
  EXPECT_EQ(controls.displayState(), kMinimized);

  pressKey(kVkF3);
  EXPECT_EQ(controls.interval(), 2000);
  EXPECT_EQ(controls.caption(), runningCaption(1));
}

}  // namespace
}  // namespace orvalek
