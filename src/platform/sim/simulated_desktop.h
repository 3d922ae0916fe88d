#pragma once

// One simulated desktop: every port of the program, over shared state and
// one virtual clock that tests advance. No sleeps, no real windows.

#include "platform/sim/simulated_hotkeys.h"
#include "platform/sim/simulated_input.h"
#include "platform/sim/simulated_process.h"
#include "platform/sim/simulated_shell.h"
#include "platform/sim/simulated_window.h"
#include "platform/sim/simulated_window_walk.h"
#include "platform/sim/virtual_clock.h"

namespace orvalek::sim {

struct SimulatedDesktop {
  VirtualClock clock;
  SimulatedInput input{clock};
  SimulatedWindow window{clock};
  SimulatedProcess process;
  SimulatedHotkeys hotkeys{window};
  SimulatedWindowWalk walk{clock, hotkeys};
  SimulatedShell shell{window};
};

}  // namespace orvalek::sim
