#include "platform/win32/win32_hotkeys.h"

#include <windows.h>

namespace orvalek::win32 {
namespace {

constexpr const wchar_t* kProcedureProperty = L"OrvalekSubclassProcedure";

HWND toWindow(platform::WindowHandle window) { return reinterpret_cast<HWND>(window); }

LRESULT CALLBACK subclassTrampoline(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* procedure = static_cast<platform::SubclassProcedure*>(GetPropW(window, kProcedureProperty));
  if (procedure == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  const LRESULT result = procedure->windowProc(
      {reinterpret_cast<platform::WindowHandle>(window), message, wParam, lParam});
  // A window's properties must be gone before the window is.
  if (message == WM_NCDESTROY) RemovePropW(window, kProcedureProperty);
  return result;
}

}  // namespace

bool Win32Hotkeys::registerHotKey(platform::WindowHandle window, std::int32_t id,
                                  std::uint32_t modifiers, std::uint32_t virtualKey) {
  return RegisterHotKey(toWindow(window), id, modifiers, virtualKey) != FALSE;
}

void Win32Hotkeys::unregisterHotKey(platform::WindowHandle window, std::int32_t id) {
  UnregisterHotKey(toWindow(window), id);
}

platform::ProcedureAddress Win32Hotkeys::subclassWindow(platform::WindowHandle window,
                                                        platform::SubclassProcedure& procedure) {
  const HWND target = toWindow(window);
  if (SetPropW(target, kProcedureProperty, &procedure) == FALSE) return 0;
  const LONG_PTR previous =
      SetWindowLongPtrW(target, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&subclassTrampoline));
  if (previous == 0) RemovePropW(target, kProcedureProperty);
  return static_cast<platform::ProcedureAddress>(previous);
}

platform::MessageResult Win32Hotkeys::callWindowProc(platform::ProcedureAddress procedure,
                                                     const platform::WindowMessage& message) {
  return CallWindowProcW(reinterpret_cast<WNDPROC>(procedure), toWindow(message.window),
                         message.message, message.wParam, message.lParam);
}

std::uint32_t Win32Hotkeys::currentProcessId() { return GetCurrentProcessId(); }

}  // namespace orvalek::win32
