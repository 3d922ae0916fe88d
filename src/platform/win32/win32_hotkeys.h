#pragma once

// Global hotkeys and the window subclass. The subclass procedure is one
// static trampoline that finds the program's SubclassProcedure in a
// property of the window.

#include "platform/ports.h"

namespace orvalek::win32 {

class Win32Hotkeys final : public platform::HotkeyPort {
 public:
  bool registerHotKey(platform::WindowHandle window, std::int32_t id, std::uint32_t modifiers,
                      std::uint32_t virtualKey) override;
  void unregisterHotKey(platform::WindowHandle window, std::int32_t id) override;
  platform::ProcedureAddress subclassWindow(platform::WindowHandle window,
                                            platform::SubclassProcedure& procedure) override;
  platform::MessageResult callWindowProc(platform::ProcedureAddress procedure,
                                         const platform::WindowMessage& message) override;
  std::uint32_t currentProcessId() override;
};

}  // namespace orvalek::win32
