#include "scheduler/run_controller.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "oplist/text_rules.h"
#include "platform/sim/simulated_input.h"
#include "platform/sim/simulated_window.h"
#include "platform/sim/virtual_clock.h"
#include "scheduler/button_sequences.h"
#include "ui/control_properties.h"
#include "ui/gbk_texts.h"

namespace orvalek {
namespace {

using sim::InputEvent;
using sim::WindowCall;
using namespace button_events;

// One click as the desktop saw it: the cursor move and the button events
// that followed it.
struct ObservedClick {
  std::int64_t atMs = 0;
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::vector<std::uint32_t> buttons;
  friend bool operator==(const ObservedClick&, const ObservedClick&) = default;
};

void PrintTo(const ObservedClick& click, std::ostream* out) {
  *out << "(" << click.x << "," << click.y << ") at " << click.atMs << " ms, "
       << click.buttons.size() << " button events";
}

Text runningCaption(std::int32_t line) {
  return joinTexts({texts::kRunningCaptionPrefix, formatInt(line)});
}

// The window, input and clock of one desktop, with the run controller wired
// as the program wires it: the timer's periodic event runs onTimerTick.
struct RunDesktop {
  RunDesktop() {
    clock.setTimeOfDay(10, 0, 0);
    window.setTimerSink([this] { controller.onTimerTick(); });
  }

  void setList(std::string_view text) { controls.setText(ControlId::编辑框_操作组合, text); }
  void setLoop(bool checked) { window.setChecked(ControlId::选择框_是否循环操作, checked); }
  Text label() { return window.windowText(ControlId::标签_显示时间); }
  std::size_t timerArmings() const { return window.callsOf(WindowCall::SetTimer).size(); }

  std::vector<ObservedClick> clicks() const {
    std::vector<ObservedClick> seen;
    for (const InputEvent& event : input.events()) {
      if (event.kind == InputEvent::CursorMove) {
        seen.push_back({event.atMs, event.x, event.y, {}});
      } else if (!seen.empty()) {
        seen.back().buttons.push_back(event.flags);
      }
    }
    return seen;
  }

  sim::VirtualClock clock;
  sim::SimulatedWindow window{clock};
  sim::SimulatedInput input{clock};
  ControlProperties controls{window};
  RunController controller{controls, input, clock};
};

class RunControllerTest : public ::testing::Test, protected RunDesktop {};

constexpr std::string_view kTwoLines = "100,200,0,0,2,0\r\n300,400,0,0,3,1\r\n";

TEST_F(RunControllerTest, TwoLineRunClicksEachLineAfterItsWaitThenStops) {
  setList(kTwoLines);

  controller.startRun();
  EXPECT_EQ(controls.caption(), runningCaption(1));
  EXPECT_EQ(controls.displayState(), 2);
  EXPECT_EQ(controls.interval(), 2000);
  EXPECT_EQ(label(), "10:0:2");

  clock.advanceTo(2000);
  EXPECT_EQ(clicks(), (std::vector<ObservedClick>{{2000, 100, 200, kLeftSingle}}));
  EXPECT_EQ(controls.caption(), runningCaption(2));
  EXPECT_EQ(controls.interval(), 3000);
  EXPECT_EQ(label(), "10:0:5");
  EXPECT_EQ(controls.displayState(), 2);

  clock.advanceTo(5000);
  EXPECT_EQ(clicks().size(), 2u);
  EXPECT_EQ(clicks().back(), (ObservedClick{5000, 300, 400, kLeftDouble}));
  EXPECT_EQ(controls.interval(), 0);
  EXPECT_FALSE(window.isTimerArmed());
  EXPECT_EQ(controls.caption(), texts::kStoppedCaption);
  EXPECT_EQ(controls.displayState(), 0);
  EXPECT_TRUE(window.isActive());

  clock.advanceTo(60000);
  EXPECT_EQ(clicks().size(), 2u);
  // The run only reads the list box.
  EXPECT_EQ(controls.text(ControlId::编辑框_操作组合), kTwoLines);
}

TEST_F(RunControllerTest, CheckedLoopBoxStartsOverAtLineOneUntilStopped) {
  setList(kTwoLines);
  setLoop(true);

  controller.startRun();
  clock.advanceTo(5000);
  EXPECT_EQ(controls.caption(), runningCaption(1));
  EXPECT_EQ(controls.interval(), 2000);
  EXPECT_EQ(controls.displayState(), 2);

  clock.advanceTo(11000);
  controller.toggleRun();
  clock.advanceTo(30000);

  EXPECT_EQ(clicks(), (std::vector<ObservedClick>{{2000, 100, 200, kLeftSingle},
                                                  {5000, 300, 400, kLeftDouble},
                                                  {7000, 100, 200, kLeftSingle},
                                                  {10000, 300, 400, kLeftDouble}}));
  // Stopped while line 1 of the third pass was pending.
  EXPECT_EQ(controls.caption(), runningCaption(1));
  EXPECT_EQ(controls.interval(), 0);
}

TEST_F(RunControllerTest, OneLineLoopKeepsTheTimerArmedFromTheStart) {
  setList("50,60,0,0,2,2\r\n");
  setLoop(true);

  controller.startRun();
  clock.advanceTo(10000);

  std::vector<std::int64_t> clickTimes;
  for (const ObservedClick& click : clicks()) {
    EXPECT_EQ(click, (ObservedClick{click.atMs, 50, 60, kRightSingle}));
    clickTimes.push_back(click.atMs);
  }
  EXPECT_EQ(clickTimes, (std::vector<std::int64_t>{2000, 4000, 6000, 8000, 10000}));
  EXPECT_EQ(timerArmings(), 1u);
  EXPECT_TRUE(window.callsOf(WindowCall::KillTimer).empty());
  EXPECT_EQ(controls.caption(), runningCaption(1));
}

TEST_F(RunControllerTest, TogglingDuringARunOnlyDisarmsTheTimer) {
  setList(kTwoLines);
  controller.startRun();
  clock.advanceTo(2500);
  const Text labelBefore = label();
  window.clearCalls();

  controller.toggleRun();

  EXPECT_EQ(window.calls(),
            (std::vector<WindowCall>{{WindowCall::KillTimer, ControlId::时钟1, 0, 0, 2500}}));
  EXPECT_EQ(controls.interval(), 0);
  EXPECT_EQ(controls.caption(), runningCaption(2));
  EXPECT_EQ(controls.displayState(), 2);
  EXPECT_EQ(label(), labelBefore);
  EXPECT_EQ(controller.state().currentLine, 2);
  EXPECT_EQ(controller.state().lineCount, 2);

  clock.advanceTo(20000);
  EXPECT_EQ(clicks().size(), 1u);

  // The next toggle starts afresh from line 1 of what the list box holds now.
  setList("7,8,0,0,1,0\r\n");
  controller.toggleRun();
  EXPECT_EQ(controls.caption(), runningCaption(1));
  EXPECT_EQ(controls.interval(), 1000);
  clock.advanceTo(21000);
  EXPECT_EQ(clicks().back(), (ObservedClick{21000, 7, 8, kLeftSingle}));
  EXPECT_EQ(controls.caption(), texts::kStoppedCaption);
}

TEST_F(RunControllerTest, TogglingWhileIdleStartsARun) {
  setList(kTwoLines);

  controller.toggleRun();

  EXPECT_EQ(controls.caption(), runningCaption(1));
  EXPECT_EQ(controls.interval(), 2000);
  EXPECT_EQ(controls.displayState(), 2);
  clock.advanceTo(2000);
  EXPECT_EQ(clicks(), (std::vector<ObservedClick>{{2000, 100, 200, kLeftSingle}}));
}

TEST_F(RunControllerTest, StartDuringARunRereadsTheListAndKeepsAnEqualPeriodsPhase) {
  setList(kTwoLines);
  controller.startRun();
  clock.advanceTo(2000);  // line 2 pending, its 3000 ms counted from here
  ASSERT_EQ(controls.interval(), 3000);

  setList("9,9,0,0,3,2\r\n");
  clock.advanceTo(3000);
  controller.startRun();

  EXPECT_EQ(controls.caption(), runningCaption(1));
  EXPECT_EQ(controller.state().lineCount, 1);
  EXPECT_EQ(timerArmings(), 2u);  // the restart wrote the interval in force
  // The first click of the new run comes when the running period elapses,
  // at 5000 ms, sooner than its own 3 s wait.
  clock.advanceTo(10000);
  EXPECT_EQ(clicks(), (std::vector<ObservedClick>{{2000, 100, 200, kLeftSingle},
                                                  {5000, 9, 9, kRightSingle}}));
  EXPECT_EQ(controls.caption(), texts::kStoppedCaption);
}

TEST_F(RunControllerTest, StartDuringARunWithAnotherWaitCountsFromTheStart) {
  setList(kTwoLines);
  controller.startRun();
  clock.advanceTo(1500);

  setList("9,9,0,0,1,0\r\n");
  controller.startRun();
  clock.advanceTo(10000);

  EXPECT_EQ(clicks(), (std::vector<ObservedClick>{{2500, 9, 9, kLeftSingle}}));
}

TEST_F(RunControllerTest, AWaitOfZeroOrBelowHaltsTheRunAtItsLine) {
  struct Case {
    const char* name;
    const char* list;
    std::int32_t haltedLine;
    std::size_t clicksBefore;
    const char* label;  // the halted line's next-click time
  };
  const Case cases[] = {
      {"zero wait on line 1", "10,10,0,0,0,0\r\n", 1, 0, "10:15:30"},
      {"600 hours wrap below zero", "10,10,600,0,0,0\r\n", 1, 0, "10:15:30"},
      {"negative seconds", "10,10,0,0,-5,0\r\n", 1, 0, "10:15:25"},
      {"a wait below one millisecond", "10,10,0,0,0.0004,0\r\n", 1, 0, "10:15:30"},
      {"zero wait on line 2", "1,1,0,0,1,0\r\n2,2,0,0,0,0\r\n", 2, 1, "10:15:31"},
  };
  for (const Case& testCase : cases) {
    SCOPED_TRACE(testCase.name);
    RunDesktop desktop;
    desktop.clock.setTimeOfDay(10, 15, 30);
    desktop.setList(testCase.list);

    desktop.controller.startRun();
    desktop.clock.advanceTo(60000);

    EXPECT_EQ(desktop.clicks().size(), testCase.clicksBefore);
    EXPECT_EQ(desktop.controls.interval(), 0);
    EXPECT_FALSE(desktop.window.isTimerArmed());
    EXPECT_EQ(desktop.controls.caption(), runningCaption(testCase.haltedLine));
    EXPECT_EQ(desktop.controls.displayState(), 2);
    EXPECT_EQ(desktop.label(), testCase.label);

    // The interval reads 0, so a toggle starts the run again from line 1.
    desktop.controller.toggleRun();
    EXPECT_EQ(desktop.controller.state().currentLine, 1);
    EXPECT_EQ(desktop.controls.caption(), runningCaption(1));
  }
}

TEST_F(RunControllerTest, TheLoopBoxIsReadAtEveryTick) {
  struct Case {
    const char* name;
    bool loopAtStart;
    bool loopAfterFirstClick;
    std::vector<std::int64_t> clickTimes;
    bool stopped;
  };
  const Case cases[] = {
      {"unchecked mid-run: the pass under way is the last", true, false, {2000, 5000}, true},
      {"checked before the last line: the run loops",
       false,
       true,
       {2000, 5000, 7000, 10000},
       false},
  };
  for (const Case& testCase : cases) {
    SCOPED_TRACE(testCase.name);
    RunDesktop desktop;
    desktop.setList(kTwoLines);
    desktop.setLoop(testCase.loopAtStart);

    desktop.controller.startRun();
    desktop.clock.advanceTo(2500);
    desktop.setLoop(testCase.loopAfterFirstClick);
    desktop.clock.advanceTo(10500);

    std::vector<std::int64_t> clickTimes;
    for (const ObservedClick& click : desktop.clicks()) clickTimes.push_back(click.atMs);
    EXPECT_EQ(clickTimes, testCase.clickTimes);
    EXPECT_EQ(desktop.controls.caption() == texts::kStoppedCaption, testCase.stopped);
    EXPECT_EQ(desktop.controls.interval() == 0, testCase.stopped);
  }
}

TEST_F(RunControllerTest, AStartOnALineWithoutAnEntryHaltsThereAndShowsTheWindow) {
  const char* const lists[] = {
      "",                         // no line 1 at all
      "100,200,0,0,5\r\n",        // five fields
      "100,200,0,0,5,\r\n",       // a final comma adds no field
      "\r\n100,200,0,0,5,0\r\n",  // an empty first line
  };
  for (const char* list : lists) {
    SCOPED_TRACE(list);
    RunDesktop desktop;
    desktop.setList(list);
    desktop.window.showMainWindow(platform::WindowPort::ShowCommand::Minimize);

    desktop.controller.startRun();
    desktop.clock.advanceTo(60000);

    EXPECT_EQ(desktop.controls.interval(), 0);
    EXPECT_TRUE(desktop.window.callsOf(WindowCall::SetTimer).empty());
    EXPECT_EQ(desktop.controls.caption(), runningCaption(1));
    EXPECT_EQ(desktop.controls.displayState(), 0);
    EXPECT_TRUE(desktop.window.isActive());
    EXPECT_EQ(desktop.label(), texts::kNextClickLabel);
    EXPECT_EQ(desktop.controls.text(ControlId::编辑框_操作组合), list);
    EXPECT_TRUE(desktop.input.events().empty());
  }
}

TEST_F(RunControllerTest, ATickReachingALineWithoutAnEntryHaltsThereAfterTheClick) {
  setList("1,1,0,0,1,0\r\n\r\n");
  controller.startRun();

  clock.advanceTo(1000);

  EXPECT_EQ(clicks(), (std::vector<ObservedClick>{{1000, 1, 1, kLeftSingle}}));
  EXPECT_EQ(controls.caption(), runningCaption(2));
  EXPECT_EQ(controls.interval(), 0);
  EXPECT_FALSE(window.isTimerArmed());
  EXPECT_EQ(controls.displayState(), 0);
  EXPECT_TRUE(window.isActive());
  EXPECT_EQ(label(), "10:0:1");  // line 1's time, the last one written
  EXPECT_EQ(controls.text(ControlId::编辑框_操作组合), "1,1,0,0,1,0\r\n\r\n");

  clock.advanceTo(60000);
  EXPECT_EQ(clicks().size(), 1u);

  // A toggle then starts again from line 1.
  controller.toggleRun();
  EXPECT_EQ(controls.caption(), runningCaption(1));
  EXPECT_EQ(controls.interval(), 1000);
  EXPECT_EQ(controls.displayState(), 2);
}

}  // namespace
}  // namespace orvalek
