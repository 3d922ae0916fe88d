#pragma once

// The real desktop: every port of the program over the Windows API, around
// the one main window.

#include <windows.h>

#include "platform/win32/main_window.h"
#include "platform/win32/message_pump.h"
#include "platform/win32/win32_basic_ports.h"
#include "platform/win32/win32_hotkeys.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_window.h"
#include "platform/win32/win32_window_walk.h"

namespace orvalek::win32 {

struct Win32Desktop {
  explicit Win32Desktop(HINSTANCE instance) : mainWindow(instance) {}

  MainWindow mainWindow;
  MessagePump pump{mainWindow};
  Win32Input input;
  Win32Clock clock;
  Win32Window window{mainWindow};
  Win32Hotkeys hotkeys;
  Win32WindowWalk walk{pump};
  Win32Process process;
  Win32Shell shell{mainWindow, pump};
};

}  // namespace orvalek::win32
