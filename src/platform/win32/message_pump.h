#pragma once

// The thread's message loop. Key presses and typed characters meant for the
// main window or its controls meet the window's keyboard rules and the
// boxes' character filters before anything else; the platform's dialog
// navigation is not used, since it would select the whole text of every
// edit box the focus moves into.

#include <windows.h>

#include "platform/win32/main_window.h"

namespace orvalek::win32 {

class MessagePump {
 public:
  explicit MessagePump(MainWindow& window) : window_(window) {}

  // Until WM_QUIT is taken.
  void run();
  // Every message already queued, without waiting; a quit request stays
  // queued for the main loop.
  void dispatchPending();

 private:
  void dispatch(const MSG& message);
  // True when the keyboard rules or a filter took the message.
  bool takenByWindowRules(const MSG& message);
  bool takeKeyPress(const MSG& message);
  bool takeCharacter(const MSG& message);

  MainWindow& window_;
};

}  // namespace orvalek::win32
