#include "scheduler/next_click_clock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "platform/sim/simulated_window.h"
#include "platform/sim/virtual_clock.h"
#include "ui/control_properties.h"

namespace orvalek {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct ClockCase {
  const char* name;
  std::int32_t hour, minute, second;  // time of day
  double hours, minutes, seconds;     // the entry's wait, as read
  std::string expectedLabel;
};

TEST(NextClickClockTest, AddsEachComponentOnItsOwnAndCarriesUpward) {
  const ClockCase cases[] = {
      {"seconds carry into minutes", 10, 15, 30, 0, 0, 45, "10:16:15"},
      {"carries run through to the hour wrap", 23, 59, 50, 0, 0, 15, "0:0:5"},
      {"no leading zeros", 9, 5, 7, 0, 0, 0, "9:5:7"},
      {"ninety minutes", 10, 0, 0, 0, 90, 0, "11:30:0"},
      {"3600 seconds", 10, 0, 0, 0, 0, 3600, "11:0:0"},
      {"a day and an hour", 10, 0, 0, 25, 0, 0, "11:0:0"},
      {"a fraction of an hour is cut, not carried", 10, 0, 0, 1.5, 0, 0, "11:0:0"},
      {"a negative component is left alone", 10, 0, 10, 0, 0, -30, "10:0:-20"},
      {"a negative hour is not wrapped", 1, 0, 0, -3, 0, 0, "-2:0:0"},
      {"fractions of each unit are cut", 10, 20, 30, 0.9, 0.9, 0.9, "10:20:30"},
      // 10^12 keeps its low 32 bits, a negative number of seconds.
      {"a huge wait wraps to 32 bits", 0, 0, 0, 0, 0, 1e12, "0:0:-727379968"},
      {"a carry past the 32-bit limit wraps the minutes", 0, 0, 0, 0, 2147483647, 120,
       "0:-2147483647:0"},
      {"an infinite sum reads as 0", 8, 0, 0, kInfinity, 0, 0, "0:0:0"},
  };
  for (const ClockCase& testCase : cases) {
    SCOPED_TRACE(testCase.name);
    sim::VirtualClock clock;
    clock.setTimeOfDay(testCase.hour, testCase.minute, testCase.second);
    sim::SimulatedWindow window{clock};
    ControlProperties controls{window};
    RunState state;
    state.current.hours = testCase.hours;
    state.current.minutes = testCase.minutes;
    state.current.seconds = testCase.seconds;

    updateNextClickClock(state, clock, controls);

    EXPECT_EQ(window.windowText(ControlId::标签_显示时间), testCase.expectedLabel);
    const std::string fields = std::to_string(state.nextHour) + ":" +
                               std::to_string(state.nextMinute) + ":" +
                               std::to_string(state.nextSecond);
    EXPECT_EQ(fields, testCase.expectedLabel);
  }
}

}  // namespace
}  // namespace orvalek
