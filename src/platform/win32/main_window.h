#pragma once

// The program's one window and its controls, created from the control table.
// Its events go to the program's WindowEvents; the keyboard rules are applied
// by the message pump before a key reaches a control.

#include <windows.h>

#include <array>
#include <optional>

#include "platform/win32/window_class.h"
#include "ui/control_id.h"
#include "ui/window_events.h"

namespace orvalek::win32 {

class MainWindow {
 public:
  explicit MainWindow(HINSTANCE instance);
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window hidden with every control, raises the created event,
  // shows the window and hands the focus to 按钮_加入. False when the window
  // or one of its controls could not be created.
  bool create(WindowEvents& events);

  // Null before creation and after the window is destroyed.
  HWND handle() const { return window_.get(); }
  // The main window for ControlId::MainWindow; null for the timer.
  HWND windowOf(ControlId control) const;
  // The control `window` is, if it is one of ours.
  std::optional<ControlId> controlOf(HWND window) const;
  // Whether `window` is the main window or one of its controls.
  bool holds(HWND window) const;

  // The one periodic timer behind 时钟1: (re)armed from now, or killed.
  void setTimer(UINT periodMs);
  void killTimer();

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool createControls();

  LRESULT onCommand(WPARAM wParam, LPARAM lParam);
  LRESULT onTimer(WPARAM wParam);
  LRESULT onActivate(WPARAM wParam, LPARAM lParam);
  LRESULT onSetFocus();
  LRESULT onDestroy();
  LRESULT onNcDestroy(WPARAM wParam, LPARAM lParam);

  HINSTANCE instance_;  // the module's: not owned
  WindowClass windowClass_;
  WindowClass labelClass_;
  UniqueWindow window_;
  // Children are destroyed with the window: not owned.
  std::array<HWND, kControlCount + 1> controls_{};
  WindowEvents* events_ = nullptr;  // the program's, from create on
  HWND focusToRestore_ = nullptr;   // the control that had the focus when the window was left
  bool shown_ = false;
};

}  // namespace orvalek::win32
