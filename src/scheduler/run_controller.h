#pragma once

// Replays the operation list: a start arms 时钟1 with line 1's wait, each
// tick clicks the current line and moves on, looping while the loop box is
// checked. A run is on exactly while the interval of 时钟1 is nonzero.

#include "platform/ports.h"
#include "scheduler/run_state.h"
#include "ui/control_properties.h"

namespace orvalek {

class RunController {
 public:
  RunController(ControlProperties& controls, platform::InputPort& input, platform::ClockPort& clock)
      : controls_(controls), input_(input), clock_(clock) {}

  // 按钮_开始, and F3 while no run is on.
  void startRun();
  // The periodic event of 时钟1.
  void onTimerTick();
  // F3: stops a run (only the interval changes) or starts one.
  void toggleRun();

  const RunState& state() const { return state_; }
  // Releases the list of the last start (exit routine).
  void releaseLines();

 private:
  // Parses currentLine into current; false when the line holds no entry.
  bool parseCurrentLine();
  void writeRunningCaption();
  // Stops the run at a line that holds no entry; the caption names the line.
  void haltWithoutEntry();

  ControlProperties& controls_;
  platform::InputPort& input_;
  platform::ClockPort& clock_;
  RunState state_;
};

}  // namespace orvalek
