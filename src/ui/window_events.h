#pragma once

// What the main window reports to the program. The Windows layer raises
// these from its window procedure; the simulated shell raises them in tests.

#include "ui/control_id.h"

namespace orvalek {

class WindowEvents {
 public:
  virtual ~WindowEvents() = default;
  // Once, after every control exists and before the window is first shown.
  virtual void onCreated() = 0;
  // A push button or the check box was pressed.
  virtual void onClicked(ControlId control) = 0;
  // An edit box received the keyboard focus.
  virtual void onGotFocus(ControlId control) = 0;
  // The periodic event of 时钟1.
  virtual void onTimer() = 0;
};

}  // namespace orvalek
