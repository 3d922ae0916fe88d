#pragma once

#include "platform/ports.h"
#include "scheduler/run_state.h"
#include "ui/control_properties.h"

namespace orvalek {

// Adds the current entry's hours, minutes and seconds to the local time of
// day, each component on its own, and shows "H:M:S" in 标签_显示时间.
// For display only: the wait itself is timed by 时钟1.
void updateNextClickClock(RunState& state, platform::ClockPort& clock, ControlProperties& controls);

}  // namespace orvalek
