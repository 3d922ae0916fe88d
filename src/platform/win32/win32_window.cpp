#include "platform/win32/win32_window.h"

#include "platform/win32/gbk_conversion.h"
#include "platform/win32/window_text.h"

namespace orvalek::win32 {
namespace {

std::size_t slotOf(ControlId control) { return static_cast<std::size_t>(control); }

}  // namespace

platform::WindowHandle Win32Window::mainWindowHandle() {
  return reinterpret_cast<platform::WindowHandle>(window_.handle());
}

Text Win32Window::windowText(ControlId control) {
  const HWND target = window_.windowOf(control);
  if (target == nullptr) return {};
  TextRead read;
  read.utf16 = readWindowText(target);
  read.gbk = narrowToGbk(read.utf16);
  Text gbk = read.gbk;
  lastRead_[slotOf(control)] = std::move(read);
  return gbk;
}

void Win32Window::setWindowText(ControlId control, std::string_view text) {
  const HWND target = window_.windowOf(control);
  if (target == nullptr) return;
  std::wstring utf16;
  const std::optional<TextRead>& last = lastRead_[slotOf(control)];
  if (last && text.starts_with(last->gbk) && readWindowText(target) == last->utf16) {
    utf16 = last->utf16 + widenGbk(text.substr(last->gbk.size()));
  } else {
    utf16 = widenGbk(text);
  }
  SetWindowTextW(target, utf16.c_str());
}

bool Win32Window::isMainWindowVisible() { return IsWindowVisible(window_.handle()) != FALSE; }

bool Win32Window::isMinimized() { return IsIconic(window_.handle()) != FALSE; }

bool Win32Window::isMaximized() { return IsZoomed(window_.handle()) != FALSE; }

void Win32Window::showMainWindow(ShowCommand command) {
  const HWND window = window_.handle();
  switch (command) {
    case ShowCommand::Normal:
      ShowWindow(window, SW_SHOWNORMAL);
      SetForegroundWindow(window);
      break;
    case ShowCommand::Restore:
      ShowWindow(window, SW_RESTORE);
      break;
    case ShowCommand::Minimize:
      ShowWindow(window, SW_MINIMIZE);
      break;
    case ShowCommand::Maximize:
      ShowWindow(window, SW_MAXIMIZE);
      break;
  }
}

platform::Point Win32Window::mainWindowPosition() {
  RECT frame{};
  GetWindowRect(window_.handle(), &frame);
  return {frame.left, frame.top};
}

void Win32Window::moveMainWindow(platform::Point topLeft) {
  SetWindowPos(window_.handle(), nullptr, topLeft.x, topLeft.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

platform::Size Win32Window::primaryScreenSize() {
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void Win32Window::selectEditRange(ControlId box, std::int32_t start, std::int32_t end) {
  const HWND target = window_.windowOf(box);
  if (target == nullptr) return;
  // The program counts GBK bytes; the box counts UTF-16 units.
  const std::wstring text = readWindowText(target);
  SendMessageW(target, EM_SETSEL, utf16IndexOfGbkOffset(text, start),
               static_cast<LPARAM>(utf16IndexOfGbkOffset(text, end)));
  SendMessageW(target, EM_SCROLLCARET, 0, 0);
}

bool Win32Window::isChecked(ControlId box) {
  const HWND target = window_.windowOf(box);
  return target != nullptr && SendMessageW(target, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Window::setTimer(std::int32_t periodMs) { window_.setTimer(static_cast<UINT>(periodMs)); }

void Win32Window::killTimer() { window_.killTimer(); }

}  // namespace orvalek::win32
