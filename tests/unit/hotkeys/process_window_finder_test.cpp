#include "hotkeys/process_window_finder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/sim/simulated_desktop.h"

namespace orvalek {
namespace {

using platform::WindowHandle;
using platform::WindowMessage;
using sim::TopLevelWindow;

constexpr std::uint32_t kOwnProcess = 500;
constexpr std::uint32_t kOtherProcess = 600;
constexpr std::uint32_t kWmPaint = 0x000F;
constexpr std::uint32_t kWmTimer = 0x0113;

TopLevelWindow ownWindow(WindowHandle handle, Text title, Text className) {
  return {.handle = handle, .processId = kOwnProcess, .title = title, .className = className};
}

TopLevelWindow foreignWindow(WindowHandle handle) {
  return {.handle = handle, .processId = kOtherProcess, .title = "Foreign", .className = "Foreign"};
}

std::vector<WindowHandle> stepsAfter(const sim::SimulatedWindowWalk& walk) {
  std::vector<WindowHandle> afters;
  for (const sim::WalkStep& step : walk.steps()) afters.push_back(step.after);
  return afters;
}

class ProcessWindowFinderTest : public ::testing::Test {
 protected:
  // Each tick read moves time on by a millisecond, so a limit of n ms allows
  // n - 1 passes.
  void oneMillisecondPerRead() { desktop.clock.setTickAdvancePerRead(1); }

  sim::SimulatedDesktop desktop;
};

TEST_F(ProcessWindowFinderTest, HiddenGoneAndForeignWindowsArePassedOverOnePerPass) {
  TopLevelWindow hidden = ownWindow(0x20, "Hidden", "HiddenClass");
  hidden.visible = false;
  TopLevelWindow gone = ownWindow(0x30, "Gone", "GoneClass");
  gone.exists = false;
  desktop.walk.setTopLevelWindows({foreignWindow(0x10), hidden, gone,
                                   ownWindow(0x40, "Main", "MainClass"),
                                   ownWindow(0x50, "Later", "LaterClass")});

  EXPECT_EQ(findProcessWindow(desktop.walk, desktop.clock, kOwnProcess), 0x40u);

  EXPECT_EQ(stepsAfter(desktop.walk), (std::vector<WindowHandle>{0, 0x10, 0x20, 0x30}));
  EXPECT_EQ(desktop.walk.dispatchCalls(), 3);
  EXPECT_EQ(desktop.walk.titleReads(), 1);
  EXPECT_EQ(desktop.walk.classNameReads(), 1);
}

TEST_F(ProcessWindowFinderTest, TitleAndClassNarrowTheChoiceOnlyWhenBothAreGiven) {
  struct Case {
    const char* name;
    std::optional<std::string_view> title;
    std::optional<std::string_view> className;
    WindowHandle expected;
  };
  const Case cases[] = {
      {"nothing given", std::nullopt, std::nullopt, 0x10},
      {"title matches the third", "amm", "Nope", 0x30},
      {"class matches the second", "Nope", "ssB", 0x20},
      {"the class of the first before the title of the third", "Gamma", "ClassA", 0x10},
      {"only a title that matches nothing", "Nope", std::nullopt, 0x10},
      {"only a class that matches nothing", std::nullopt, "Nope", 0x10},
      {"an empty title is in every non-empty one", "", "Nope", 0x10},
      {"case counts", "alpha", "classa", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sim::SimulatedDesktop fresh;
    fresh.clock.setTickAdvancePerRead(1);
    fresh.walk.setTopLevelWindows({ownWindow(0x10, "Alpha", "ClassA"),
                                   ownWindow(0x20, "", "ClassB"),
                                   ownWindow(0x30, "Gamma", "ClassC")});
    EXPECT_EQ(findProcessWindow(fresh.walk, fresh.clock, kOwnProcess, c.title, c.className, 100),
              c.expected);
  }
}

TEST_F(ProcessWindowFinderTest, AnEmptyWantedTitleIsNotInAnEmptyTitle) {
  oneMillisecondPerRead();
  desktop.walk.setTopLevelWindows({ownWindow(0x10, "", "ClassA"), ownWindow(0x20, "Beta", "B")});

  EXPECT_EQ(findProcessWindow(desktop.walk, desktop.clock, kOwnProcess, "", "Nope", 100), 0x20u);
}

TEST_F(ProcessWindowFinderTest, WithNoMatchTheWalkWrapsAroundUntilTheLimit) {
  oneMillisecondPerRead();
  desktop.walk.setTopLevelWindows(
      {foreignWindow(0x10), ownWindow(0x20, "Alpha", "ClassA"), ownWindow(0x30, "Beta", "B")});

  EXPECT_EQ(findProcessWindow(desktop.walk, desktop.clock, kOwnProcess, "Nope", "Nope", 10), 0u);

  // Nine passes: after the last window comes 0, then the first again.
  EXPECT_EQ(stepsAfter(desktop.walk),
            (std::vector<WindowHandle>{0, 0x10, 0x20, 0x30, 0, 0x10, 0x20, 0x30, 0}));
  EXPECT_EQ(desktop.walk.steps()[3].found, 0u);
  EXPECT_EQ(desktop.walk.titleReads(), 4);
  EXPECT_EQ(desktop.walk.classNameReads(), 4);
  EXPECT_EQ(desktop.walk.dispatchCalls(), 9);
}

TEST_F(ProcessWindowFinderTest, TheTimeLimitEndsTheSearchWithNoWindow) {
  constexpr std::int32_t kDefault = kDefaultFinderLimitMs;
  struct Case {
    const char* name;
    std::optional<std::int32_t> limitMs;
    std::int64_t advancePerReadMs;
    std::size_t passes;
  };
  const Case cases[] = {
      {"zero: at once", 0, 1, 0},
      {"negative: at once", -5, 1, 0},
      {"most negative: at once", std::numeric_limits<std::int32_t>::min(), 1, 0},
      {"100 ms", 100, 25, 3},
      {"omitted", std::nullopt, kDefault / 8, 7},
      {"-1 as omitted", -1, kDefault / 8, 7},
      {"the default given", kDefault, kDefault / 8, 7},
      {"just short of the default", std::nullopt, kDefault / 8 - 1, 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sim::SimulatedDesktop fresh;
    fresh.clock.setTickAdvancePerRead(c.advancePerReadMs);
    fresh.walk.setTopLevelWindows({foreignWindow(0x10)});

    EXPECT_EQ(findProcessWindow(fresh.walk, fresh.clock, kOwnProcess, std::nullopt, std::nullopt,
                                c.limitMs),
              0u);
    EXPECT_EQ(fresh.walk.steps().size(), c.passes);
  }
}

TEST_F(ProcessWindowFinderTest, MinusOneAsTheLimitStillFindsTheWindow) {
  desktop.walk.setTopLevelWindows({foreignWindow(0x10), ownWindow(0x20, "Main", "MainClass")});

  EXPECT_EQ(
      findProcessWindow(desktop.walk, desktop.clock, kOwnProcess, std::nullopt, std::nullopt, -1),
      0x20u);
}

TEST_F(ProcessWindowFinderTest, ElapsedTimeIsMeasuredAcrossTheTickCountWrappingToZero) {
  desktop.clock.setTickCount(0xFFFFFFF0);
  desktop.clock.setTickAdvancePerRead(10);
  desktop.walk.setTopLevelWindows({foreignWindow(0x10)});

  EXPECT_EQ(
      findProcessWindow(desktop.walk, desktop.clock, kOwnProcess, std::nullopt, std::nullopt, 30),
      0u);

  // Reads at -16 (start), -6, 4 and 14: the third pass has taken 30 ms.
  EXPECT_EQ(desktop.walk.steps().size(), 2u);
}

TEST_F(ProcessWindowFinderTest, AClassNameIsComparedByItsFirst49Bytes) {
  const Text kept(49, 'K');
  const Text longClass = kept + "TAIL";
  struct Case {
    Text wanted;
    WindowHandle expected;
  };
  const Case cases[] = {
      {kept, 0x10}, {"KKK", 0x10}, {kept + "T", 0}, {"KT", 0}, {"TAIL", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.wanted);
    sim::SimulatedDesktop fresh;
    fresh.clock.setTickAdvancePerRead(1);
    fresh.walk.setTopLevelWindows({ownWindow(0x10, "Title", longClass)});
    EXPECT_EQ(findProcessWindow(fresh.walk, fresh.clock, kOwnProcess, "Nope", c.wanted, 10),
              c.expected);
  }
}

TEST_F(ProcessWindowFinderTest, TitlesAreReadWholeAndClassNamesCut) {
  const Text longTitle(300, 'T');
  desktop.walk.setTopLevelWindows(
      {ownWindow(0x10, longTitle, Text(80, 'C')), ownWindow(0x20, "", "Short")});

  EXPECT_EQ(windowTitleText(desktop.walk, 0x10), longTitle);
  EXPECT_EQ(windowClassText(desktop.walk, 0x10), Text(49, 'C'));
  EXPECT_EQ(windowTitleText(desktop.walk, 0x20), "");
  EXPECT_EQ(windowClassText(desktop.walk, 0x20), "Short");
  EXPECT_EQ(processIdOfWindow(desktop.walk, 0x20), kOwnProcess);
  // A handle that names no window has no title, class or process.
  EXPECT_EQ(windowTitleText(desktop.walk, 0x99), "");
  EXPECT_EQ(windowClassText(desktop.walk, 0x99), "");
  EXPECT_EQ(processIdOfWindow(desktop.walk, 0x99), 0u);
}

TEST_F(ProcessWindowFinderTest, WaitingMessagesAreDispatchedButAQuitRequestStaysQueued) {
  oneMillisecondPerRead();
  desktop.walk.setTopLevelWindows({foreignWindow(0x10)});
  const WindowMessage paint{sim::SimulatedWindow::kHandle, kWmPaint, 0, 0};
  const WindowMessage timer{sim::SimulatedWindow::kHandle, kWmTimer, 1, 0};
  desktop.hotkeys.postMessage(paint);
  desktop.hotkeys.postQuit(0);
  desktop.hotkeys.postMessage(timer);

  EXPECT_EQ(
      findProcessWindow(desktop.walk, desktop.clock, kOwnProcess, std::nullopt, std::nullopt, 5),
      0u);

  EXPECT_EQ(desktop.hotkeys.ownProcedureLog(), std::vector<WindowMessage>{paint});
  ASSERT_EQ(desktop.hotkeys.pendingMessages().size(), 2u);
  EXPECT_EQ(desktop.hotkeys.pendingMessages().front().message, sim::kWmQuit);
  EXPECT_EQ(desktop.hotkeys.pendingMessages().back(), timer);
  EXPECT_EQ(desktop.walk.dispatchCalls(), 4);
}

}  // namespace
}  // namespace orvalek
