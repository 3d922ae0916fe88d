#pragma once

// What the program's start-up needs of the platform beyond the other ports:
// the user-interface services, the floating-point environment, the main
// window and the thread's message loop.

#include "ui/window_events.h"

namespace orvalek::platform {

class ShellPort {
 public:
  virtual ~ShellPort() = default;
  // Readies the platform's window and control services for the process.
  virtual void prepareUserInterface() = 0;
  // Rounding to nearest and every floating-point exception masked, so that
  // overflow and invalid operations give infinities and NaNs, never traps.
  virtual void setFloatingPointDefaults() = 0;
  // Creates the main window with its controls, raises `events.onCreated()`
  // while it is still hidden, then shows it with the focus on the first
  // control of the tab order. False when the window could not be created.
  virtual bool createMainWindow(WindowEvents& events) = 0;
  // Takes and dispatches the thread's messages until the quit request that
  // closing the main window posts.
  virtual void runMessageLoop() = 0;
};

}  // namespace orvalek::platform
