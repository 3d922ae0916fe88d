// The virtual clock times every run in these tests; a fault in it would hide
// faults of the scheduler, so its own rules are pinned down here.

#include "platform/sim/virtual_clock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace orvalek::sim {
namespace {

struct Firing {
  char timer;
  std::int64_t atMs;
  friend bool operator==(const Firing&, const Firing&) = default;
};

TEST(VirtualClockTest, TimersFireInTimeOrderAtTheirOwnDueTimes) {
  VirtualClock clock;
  std::vector<Firing> firings;
  clock.armTimer(1, 300, [&] { firings.push_back({'a', clock.nowMs()}); });
  clock.armTimer(2, 200, [&] { firings.push_back({'b', clock.nowMs()}); });

  clock.advance(650);

  // At 600 both are due: the one armed first fires first.
  EXPECT_EQ(firings,
            (std::vector<Firing>{{'b', 200}, {'a', 300}, {'b', 400}, {'a', 600}, {'b', 600}}));
  EXPECT_EQ(clock.nowMs(), 650);
}

TEST(VirtualClockTest, ACallbackMayReArmOrCancelItsOwnTimer) {
  VirtualClock clock;
  std::vector<Firing> firings;
  clock.armTimer(7, 100, [&] {
    firings.push_back({'r', clock.nowMs()});
    if (firings.size() == 1) {
      clock.armTimer(7, 250, [&] {
        firings.push_back({'s', clock.nowMs()});
        clock.cancelTimer(7);
      });
    }
  });

  clock.advance(1000);

  EXPECT_EQ(firings, (std::vector<Firing>{{'r', 100}, {'s', 350}}));
  EXPECT_FALSE(clock.isTimerArmed(7));
}

TEST(VirtualClockTest, TimeOfDayMovesOnByWholeSecondsAndWrapsAtMidnight) {
  struct Case {
    std::int64_t elapsedMs;
    std::string expected;
  };
  const Case cases[] = {{0, "23:59:58"}, {999, "23:59:58"}, {1000, "23:59:59"},
                        {2000, "0:0:0"}, {63500, "0:1:1"},  {86400000 + 2000, "0:0:0"}};
  for (const Case& testCase : cases) {
    SCOPED_TRACE(testCase.elapsedMs);
    VirtualClock clock;
    clock.advance(500);
    clock.setTimeOfDay(23, 59, 58);
    clock.advance(testCase.elapsedMs);
    const platform::TimeOfDay now = clock.localTimeOfDay();
    EXPECT_EQ(std::to_string(now.hour) + ":" + std::to_string(now.minute) + ":" +
                  std::to_string(now.second),
              testCase.expected);
  }
}

TEST(VirtualClockTest, TickCountWrapsAndCanMoveTheClockOnEachRead) {
  VirtualClock clock;
  clock.setTickCount(0xFFFFFF00u);
  clock.advance(0x100 + 5);
  EXPECT_EQ(clock.tickCount(), 5u);

  std::vector<std::int64_t> fired;
  clock.armTimer(3, 40, [&] { fired.push_back(clock.nowMs()); });
  clock.setTickAdvancePerRead(25);
  const std::uint32_t first = clock.tickCount();
  const std::uint32_t second = clock.tickCount();

  EXPECT_EQ(first, 5u);
  EXPECT_EQ(second, 30u);
  EXPECT_EQ(fired, (std::vector<std::int64_t>{0x105 + 40}));  // due during the second read
}

}  // namespace
}  // namespace orvalek::sim
