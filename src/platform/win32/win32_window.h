#pragma once

// The window port over the real main window. Texts cross here: GBK bytes
// inside the program, UTF-16 in the window.

#include <array>
#include <optional>
#include <string>

#include "platform/ports.h"
#include "platform/win32/main_window.h"

namespace orvalek::win32 {

class Win32Window final : public platform::WindowPort {
 public:
  explicit Win32Window(MainWindow& window) : window_(window) {}

  platform::WindowHandle mainWindowHandle() override;
  Text windowText(ControlId control) override;
  // A text that extends what was last read from the control, while the
  // control still holds that, keeps the control's own UTF-16 text and adds
  // only the converted tail: characters that code page 936 lacks survive
  // the add action.
  void setWindowText(ControlId control, std::string_view text) override;
  bool isMainWindowVisible() override;
  bool isMinimized() override;
  bool isMaximized() override;
  void showMainWindow(ShowCommand command) override;
  platform::Point mainWindowPosition() override;
  void moveMainWindow(platform::Point topLeft) override;
  platform::Size primaryScreenSize() override;
  void selectEditRange(ControlId box, std::int32_t start, std::int32_t end) override;
  bool isChecked(ControlId box) override;
  void setTimer(std::int32_t periodMs) override;
  void killTimer() override;

 private:
  struct TextRead {
    std::wstring utf16;
    Text gbk;
  };

  MainWindow& window_;
  std::array<std::optional<TextRead>, kControlCount + 1> lastRead_;
};

}  // namespace orvalek::win32
