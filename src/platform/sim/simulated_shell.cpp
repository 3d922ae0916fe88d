#include "platform/sim/simulated_shell.h"

#include "ui/control_table.h"

namespace orvalek::sim {

bool SimulatedShell::createMainWindow(WindowEvents& events) {
  calls_.push_back(Call::CreateMainWindow);
  if (creationFails_) return false;
  events_ = &events;
  window_.setTimerSink([this] { events_->onTimer(); });
  window_.setVisible(false);
  events.onCreated();
  createdWhileHidden_ = !window_.isMainWindowVisible();
  window_.setVisible(true);
  focused_ = kTabOrder.front();
  return true;
}

void SimulatedShell::runMessageLoop() {
  calls_.push_back(Call::RunMessageLoop);
  if (loop_) loop_();
}

void SimulatedShell::click(ControlId control) {
  if (events_ == nullptr) return;
  events_->onClicked(control);
}

void SimulatedShell::focus(ControlId control) {
  if (events_ == nullptr || focused_ == control) return;
  focused_ = control;
  const ControlDefinition* definition = findControlDefinition(control);
  if (definition != nullptr && isEditBox(definition->kind)) events_->onGotFocus(control);
}

}  // namespace orvalek::sim
