#pragma once

// The program as a whole: its state, its exit routines, the handlers that
// the main window's events run, and the fatal error report.

#include <cstdint>
#include <optional>
#include <string_view>

#include "app/exit_routines.h"
#include "hotkeys/hotkey_registry.h"
#include "platform/ports.h"
#include "platform/shell_port.h"
#include "scheduler/run_controller.h"
#include "ui/control_properties.h"
#include "ui/window_events.h"

namespace orvalek {

// Every port of the desktop the program runs on.
struct PlatformPorts {
  platform::InputPort& input;
  platform::ClockPort& clock;
  platform::WindowPort& window;
  platform::HotkeyPort& hotkeys;
  platform::WindowWalkPort& walk;
  platform::ProcessPort& process;
  platform::ShellPort& shell;
};

class Program final : public WindowEvents {
 public:
  explicit Program(const PlatformPorts& ports) : ports_(ports), controls_(ports.window) {}
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Creates the scheduler's state and the empty hotkey table.
  void initProgramState();
  // Empties them again (the exit routine's work); the objects stay.
  void releaseState();

  void registerExitRoutine(ExitRoutineList<Program>::Routine routine) {
    exitRoutines_.add(routine);
  }
  void runExitRoutines() { exitRoutines_.runOnce(*this); }

  // Shows the error box and ends the process with exit code -1. From the
  // first step on, no window event runs its handler any more: the box's own
  // message loop keeps delivering timer ticks and clicks behind it.
  [[noreturn]] void reportFatalError(std::int32_t code, std::string_view message);
  // The end of a fatal report without its box, for when not even the box can
  // be built any more.
  [[noreturn]] void endAfterFatalError();

  // WindowEvents.
  void onCreated() override;
  void onClicked(ControlId control) override;
  void onGotFocus(ControlId control) override;
  void onTimer() override;

  const PlatformPorts& ports() const { return ports_; }
  ControlProperties& controls() { return controls_; }
  // Null before initProgramState.
  const RunController* runController() const { return state_ ? &state_->run : nullptr; }
  const HotkeyRegistry* hotkeyRegistry() const { return state_ ? &state_->hotkeys : nullptr; }

 private:
  struct State {
    explicit State(const PlatformPorts& ports, ControlProperties& controls)
        : run(controls, ports.input, ports.clock),
          hotkeys(ports.hotkeys, ports.walk, ports.clock) {}
    RunController run;
    HotkeyRegistry hotkeys;
  };
  // Whether an event of the window may run its handler now.
  bool handlesEvents() const { return state_.has_value() && !fatalReportBegun_; }

  PlatformPorts ports_;
  ControlProperties controls_;
  std::optional<State> state_;
  ExitRoutineList<Program> exitRoutines_;
  bool fatalReportBegun_ = false;
};

// The exit routine: releases the lines of the last start, then the hotkey
// records. Registered once by runProgram, never called directly.
void releaseProgramState(Program& program);

// Start-up, the message loop until the main window closes, and return. The
// caller then runs the exit routines and ends the process with exit code 0.
void runProgram(Program& program);

}  // namespace orvalek
