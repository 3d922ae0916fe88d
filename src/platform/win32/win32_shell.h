#pragma once

#include "platform/shell_port.h"
#include "platform/win32/main_window.h"
#include "platform/win32/message_pump.h"

namespace orvalek::win32 {

class Win32Shell final : public platform::ShellPort {
 public:
  Win32Shell(MainWindow& window, MessagePump& pump) : window_(window), pump_(pump) {}

  // Loads the common controls, so that the manifest's current control
  // styles apply.
  void prepareUserInterface() override;
  void setFloatingPointDefaults() override;
  bool createMainWindow(WindowEvents& events) override { return window_.create(events); }
  void runMessageLoop() override { pump_.run(); }

 private:
  MainWindow& window_;
  MessagePump& pump_;
};

}  // namespace orvalek::win32
