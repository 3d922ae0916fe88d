#include "platform/win32/win32_basic_ports.h"

#include <windows.h>

#include "platform/win32/gbk_conversion.h"

namespace orvalek::win32 {

void Win32Input::setCursorPos(std::int32_t x, std::int32_t y) { SetCursorPos(x, y); }

void Win32Input::mouseEvent(std::uint32_t flags, std::int32_t x, std::int32_t y) {
  mouse_event(flags, static_cast<DWORD>(x), static_cast<DWORD>(y), 0, 0);
}

platform::Point Win32Input::cursorPos() {
  POINT cursor{};
  GetCursorPos(&cursor);
  return {cursor.x, cursor.y};
}

platform::TimeOfDay Win32Clock::localTimeOfDay() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wHour, now.wMinute, now.wSecond};
}

std::uint32_t Win32Clock::tickCount() { return GetTickCount(); }

void Win32Process::messageBox(std::string_view text, std::string_view title, std::uint32_t flags) {
  const std::wstring wideText = widenGbk(text);
  const std::wstring wideTitle = widenGbk(title);
  const HWND active = GetActiveWindow();
  MessageBoxW(nullptr, wideText.c_str(), wideTitle.c_str(), flags);
  // A box without owner leaves the activation wherever the system puts it;
  // give it back to the window that had it, so that it takes input again.
  if (active != nullptr && IsWindow(active)) SetForegroundWindow(active);
}

void Win32Process::exitProcess(std::int32_t exitCode) { ExitProcess(static_cast<UINT>(exitCode)); }

}  // namespace orvalek::win32
