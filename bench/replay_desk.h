#pragma once

// The program's scheduler wired to the simulated desktop, as a benchmark
// drives it: the list box filled, the loop box set, handlers called directly.

#include <string_view>

#include "platform/sim/simulated_desktop.h"
#include "scheduler/run_controller.h"
#include "ui/control_properties.h"

namespace orvalek::bench {

struct ReplayDesk {
  sim::SimulatedDesktop desktop;
  ControlProperties controls{desktop.window};
  RunController controller{controls, desktop.input, desktop.clock};

  void loadList(std::string_view listText, bool loop) {
    controls.setText(ControlId::编辑框_操作组合, listText);
    desktop.window.setChecked(ControlId::选择框_是否循环操作, loop);
  }

  // The simulated desktop logs every click and window call for tests to
  // look at; a long benchmark empties the logs now and then so that their
  // growth is not what it measures.
  void forgetLogs() {
    desktop.input.clearEvents();
    desktop.window.clearCalls();
  }
};

}  // namespace orvalek::bench
