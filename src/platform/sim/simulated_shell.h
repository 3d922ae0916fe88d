#pragma once

// Start-up's side of the simulated desktop: the main window's creation (which
// a test may make fail), the created event raised while the window is
// hidden, the message loop as a routine the test supplies, and the user's
// clicks and focus moves raised as the real window would raise them.

#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "platform/shell_port.h"
#include "platform/sim/simulated_window.h"
#include "ui/control_id.h"

namespace orvalek::sim {

class SimulatedShell final : public platform::ShellPort {
 public:
  enum class Call {
    PrepareUserInterface,
    SetFloatingPointDefaults,
    CreateMainWindow,
    RunMessageLoop
  };

  explicit SimulatedShell(SimulatedWindow& window) : window_(window) {}

  // ShellPort.
  void prepareUserInterface() override { calls_.push_back(Call::PrepareUserInterface); }
  void setFloatingPointDefaults() override { calls_.push_back(Call::SetFloatingPointDefaults); }
  bool createMainWindow(WindowEvents& events) override;
  // Runs the test's loop routine once, if any, and returns as when the
  // window has been closed.
  void runMessageLoop() override;

  // What a test sets up.
  void failWindowCreation() { creationFails_ = true; }
  void setMessageLoop(std::function<void()> loop) { loop_ = std::move(loop); }

  // The user, once the window exists: a press of a push button or the check
  // box, and a focus move (edit boxes report theirs to the program).
  void click(ControlId control);
  void focus(ControlId control);

  // What a test looks at.
  const std::vector<Call>& calls() const { return calls_; }
  // Whether the window was hidden while the created event ran.
  bool createdWhileHidden() const { return createdWhileHidden_; }
  std::optional<ControlId> focusedControl() const { return focused_; }

 private:
  SimulatedWindow& window_;
  WindowEvents* events_ = nullptr;  // the program's, once the window exists
  bool creationFails_ = false;
  bool createdWhileHidden_ = false;
  std::optional<ControlId> focused_;
  std::function<void()> loop_;
  std::vector<Call> calls_;
};

}  // namespace orvalek::sim
