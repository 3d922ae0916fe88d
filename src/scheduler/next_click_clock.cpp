#include "scheduler/next_click_clock.h"

#include <cstdint>

#include "oplist/text_rules.h"

namespace orvalek {

namespace {
// 32-bit addition that wraps as the machine's does, without overflow.
std::int32_t wrappingAdd(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

// Takes whole `unit`s out of `value` while it holds at least one, adding one
// to `larger` for each: the same as subtracting one unit at a time, in one
// step even for a value near the 32-bit limit.
void carryInto(std::int32_t& value, std::int32_t unit, std::int32_t& larger) {
  if (value < unit) return;
  larger = wrappingAdd(larger, value / unit);
  value %= unit;
}
}  // namespace

void updateNextClickClock(RunState& state, platform::ClockPort& clock,
                          ControlProperties& controls) {
  const platform::TimeOfDay now = clock.localTimeOfDay();
  const OperationEntry& entry = state.current;

  // Each component is cut on its own: a fraction of an hour does not pass
  // into the minutes, nor a fraction of a minute into the seconds.
  state.nextHour = realToInt32(static_cast<double>(now.hour) + entry.hours);
  state.nextMinute = realToInt32(static_cast<double>(now.minute) + entry.minutes);
  state.nextSecond = realToInt32(static_cast<double>(now.second) + entry.seconds);

  // Carries only upward: a negative component is shown as it is.
  carryInto(state.nextSecond, 60, state.nextMinute);
  carryInto(state.nextMinute, 60, state.nextHour);
  // Days are not shown: the hour wraps around the clock.
  if (state.nextHour >= 24) state.nextHour %= 24;

  controls.setLabelCaption(ControlId::标签_显示时间,
                           joinTexts({formatInt(state.nextHour), ":", formatInt(state.nextMinute),
                                      ":", formatInt(state.nextSecond)}));
}

}  // namespace orvalek
