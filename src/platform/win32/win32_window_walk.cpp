#include "platform/win32/win32_window_walk.h"

#include <cstring>

#include "platform/win32/gbk_conversion.h"
#include "platform/win32/window_text.h"

namespace orvalek::win32 {
namespace {

HWND toWindow(platform::WindowHandle window) { return reinterpret_cast<HWND>(window); }

Text titleOf(platform::WindowHandle window) {
  return narrowToGbk(readWindowText(toWindow(window)));
}

}  // namespace

void copyCutGbk(std::string_view text, char* buffer, std::int32_t size) {
  if (size <= 0) return;
  const std::size_t room = static_cast<std::size_t>(size) - 1;
  std::size_t kept = 0;
  while (kept < text.size()) {
    const std::size_t width = static_cast<unsigned char>(text[kept]) >= 0x80 ? 2 : 1;
    if (kept + width > room) break;
    kept += width;
  }
  kept = std::min(kept, text.size());
  std::memcpy(buffer, text.data(), kept);
  buffer[kept] = '\0';
}

platform::WindowHandle Win32WindowWalk::nextTopLevelWindow(platform::WindowHandle after) {
  return reinterpret_cast<platform::WindowHandle>(
      FindWindowExW(nullptr, toWindow(after), nullptr, nullptr));
}

std::int32_t Win32WindowWalk::isWindow(platform::WindowHandle window) {
  return IsWindow(toWindow(window));
}

bool Win32WindowWalk::isWindowVisible(platform::WindowHandle window) {
  return IsWindowVisible(toWindow(window)) != FALSE;
}

std::uint32_t Win32WindowWalk::windowProcessId(platform::WindowHandle window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(toWindow(window), &processId);
  return processId;
}

std::int32_t Win32WindowWalk::windowTextLength(platform::WindowHandle window) {
  return static_cast<std::int32_t>(titleOf(window).size());
}

void Win32WindowWalk::windowTitle(platform::WindowHandle window, char* buffer, std::int32_t size) {
  copyCutGbk(titleOf(window), buffer, size);
}

void Win32WindowWalk::windowClassName(platform::WindowHandle window, char* buffer,
                                      std::int32_t size) {
  // Class names are at most 256 characters.
  wchar_t name[257] = {};
  const int length = GetClassNameW(toWindow(window), name, 257);
  copyCutGbk(narrowToGbk({name, static_cast<std::size_t>(length > 0 ? length : 0)}), buffer, size);
}

}  // namespace orvalek::win32
