#pragma once

// The walk over the system's top-level windows; titles and class names come
// back as GBK bytes.

#include "platform/ports.h"
#include "platform/win32/message_pump.h"

namespace orvalek::win32 {

class Win32WindowWalk final : public platform::WindowWalkPort {
 public:
  explicit Win32WindowWalk(MessagePump& pump) : pump_(pump) {}

  platform::WindowHandle nextTopLevelWindow(platform::WindowHandle after) override;
  std::int32_t isWindow(platform::WindowHandle window) override;
  bool isWindowVisible(platform::WindowHandle window) override;
  std::uint32_t windowProcessId(platform::WindowHandle window) override;
  // The byte length of the title in GBK.
  std::int32_t windowTextLength(platform::WindowHandle window) override;
  void windowTitle(platform::WindowHandle window, char* buffer, std::int32_t size) override;
  void windowClassName(platform::WindowHandle window, char* buffer, std::int32_t size) override;
  void dispatchPendingMessages() override { pump_.dispatchPending(); }

 private:
  MessagePump& pump_;
};

// Copies `text` into `buffer` of `size` bytes, zero-terminated, cut so that
// no two-byte character is split.
void copyCutGbk(std::string_view text, char* buffer, std::int32_t size);

}  // namespace orvalek::win32
