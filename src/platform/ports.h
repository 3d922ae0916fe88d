#pragma once

// What the program needs of the desktop it runs on, as a few narrow ports.
// The Windows layer (platform/win32) implements them with the real API; the
// simulated desktop (platform/sim) implements them for native tests. Nothing
// here includes <windows.h>: handles and procedures are pointer-wide integers.

#include <cstdint>
#include <string_view>

#include "oplist/text_rules.h"
#include "ui/control_id.h"

namespace orvalek::platform {

using WindowHandle = std::uintptr_t;      // HWND, as an integer
using ProcedureAddress = std::uintptr_t;  // WNDPROC, as an integer
using MessageResult = std::intptr_t;      // LRESULT

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  std::int32_t width = 0;
  std::int32_t height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

struct TimeOfDay {
  std::int32_t hour = 0;    // 0..23
  std::int32_t minute = 0;  // 0..59
  std::int32_t second = 0;  // 0..59
};

struct WindowMessage {
  WindowHandle window = 0;
  std::uint32_t message = 0;
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;
  friend bool operator==(const WindowMessage&, const WindowMessage&) = default;
};

// Message numbers and flags the portable logic names; the values are the
// platform's own.
inline constexpr std::uint32_t kWmHotkey = 0x0312;
inline constexpr std::uint32_t kMouseLeftDown = 0x0002;
inline constexpr std::uint32_t kMouseLeftUp = 0x0004;
inline constexpr std::uint32_t kMouseRightDown = 0x0008;
inline constexpr std::uint32_t kMouseRightUp = 0x0010;
inline constexpr std::uint32_t kMbOk = 0x0000;
inline constexpr std::uint32_t kMbIconHand = 0x0010;
inline constexpr std::uint32_t kMbTaskModal = 0x2000;

// The cursor and synthetic mouse input, in screen pixels.
class InputPort {
 public:
  virtual ~InputPort() = default;
  virtual void setCursorPos(std::int32_t x, std::int32_t y) = 0;
  // One mouse_event call: `flags` carries exactly one button transition.
  virtual void mouseEvent(std::uint32_t flags, std::int32_t x, std::int32_t y) = 0;
  virtual Point cursorPos() = 0;
};

// Wall-clock readings.
class ClockPort {
 public:
  virtual ~ClockPort() = default;
  virtual TimeOfDay localTimeOfDay() = 0;
  // Milliseconds since the system started (GetTickCount), wrapping at 2^32.
  virtual std::uint32_t tickCount() = 0;
};

// The main window and its controls, at the level of single platform calls.
// The property rules on top of these live in ui/control_properties.
class WindowPort {
 public:
  virtual ~WindowPort() = default;
  virtual WindowHandle mainWindowHandle() = 0;
  // Title of the main window (ControlId::MainWindow) or text of a control.
  virtual Text windowText(ControlId control) = 0;
  virtual void setWindowText(ControlId control, std::string_view text) = 0;
  virtual bool isMainWindowVisible() = 0;
  virtual bool isMinimized() = 0;
  virtual bool isMaximized() = 0;
  enum class ShowCommand { Normal, Restore, Minimize, Maximize };
  virtual void showMainWindow(ShowCommand command) = 0;
  // Outer rectangle's top left corner, in screen pixels.
  virtual Point mainWindowPosition() = 0;
  virtual void moveMainWindow(Point topLeft) = 0;
  virtual Size primaryScreenSize() = 0;
  // EM_SETSEL from `start` to `end` (bytes of the GBK text), then EM_SCROLLCARET.
  virtual void selectEditRange(ControlId box, std::int32_t start, std::int32_t end) = 0;
  virtual bool isChecked(ControlId box) = 0;
  // The one periodic timer of the main window: (re)armed from now, or killed.
  virtual void setTimer(std::int32_t periodMs) = 0;
  virtual void killTimer() = 0;
};

// A window procedure of the program that can be put in front of a window's own.
class SubclassProcedure {
 public:
  virtual ~SubclassProcedure() = default;
  virtual MessageResult windowProc(const WindowMessage& message) = 0;
};

// Global hotkeys and the window subclass that routes them.
class HotkeyPort {
 public:
  virtual ~HotkeyPort() = default;
  virtual bool registerHotKey(WindowHandle window, std::int32_t id, std::uint32_t modifiers,
                              std::uint32_t virtualKey) = 0;
  virtual void unregisterHotKey(WindowHandle window, std::int32_t id) = 0;
  // Makes `procedure` the window's procedure; returns the previous one.
  virtual ProcedureAddress subclassWindow(WindowHandle window, SubclassProcedure& procedure) = 0;
  // CallWindowProc: runs `procedure` with the message and returns its result.
  virtual MessageResult callWindowProc(ProcedureAddress procedure,
                                       const WindowMessage& message) = 0;
  virtual std::uint32_t currentProcessId() = 0;
};

// The walk over the system's top-level windows.
class WindowWalkPort {
 public:
  virtual ~WindowWalkPort() = default;
  // FindWindowEx(no parent, after, no class, no title): the next top-level
  // window after `after` (the first for 0), or 0 after the last.
  virtual WindowHandle nextTopLevelWindow(WindowHandle after) = 0;
  virtual std::int32_t isWindow(WindowHandle window) = 0;
  virtual bool isWindowVisible(WindowHandle window) = 0;
  virtual std::uint32_t windowProcessId(WindowHandle window) = 0;
  virtual std::int32_t windowTextLength(WindowHandle window) = 0;
  // Writes the title, cut to `size` - 1 bytes, and a terminating zero.
  virtual void windowTitle(WindowHandle window, char* buffer, std::int32_t size) = 0;
  // Writes the class name, cut to `size` - 1 bytes, and a terminating zero.
  virtual void windowClassName(WindowHandle window, char* buffer, std::int32_t size) = 0;
  // Dispatches every message waiting in the thread's queue without waiting
  // for new ones; a quit request stays in the queue.
  virtual void dispatchPendingMessages() = 0;
};

// Message boxes and the end of the process.
class ProcessPort {
 public:
  virtual ~ProcessPort() = default;
  // A message box with no owner window; returns when the user closes it.
  virtual void messageBox(std::string_view text, std::string_view title, std::uint32_t flags) = 0;
  [[noreturn]] virtual void exitProcess(std::int32_t exitCode) = 0;
};

}  // namespace orvalek::platform
