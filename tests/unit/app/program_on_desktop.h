#pragma once

// The program over a simulated desktop, as the tests of start-up, the fatal
// report and the event table use it.

#include "app/program.h"
#include "platform/sim/simulated_desktop.h"

namespace orvalek::testing {

inline PlatformPorts portsOf(sim::SimulatedDesktop& desktop) {
  return {desktop.input, desktop.clock,   desktop.window, desktop.hotkeys,
          desktop.walk,  desktop.process, desktop.shell};
}

struct ProgramOnDesktop {
  sim::SimulatedDesktop desktop;
  Program program{portsOf(desktop)};
};

}  // namespace orvalek::testing
