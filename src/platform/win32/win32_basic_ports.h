#pragma once

// The small ports: the cursor and synthetic mouse input, the clocks, and
// message boxes with the end of the process.

#include "platform/ports.h"

namespace orvalek::win32 {

class Win32Input final : public platform::InputPort {
 public:
  void setCursorPos(std::int32_t x, std::int32_t y) override;
  void mouseEvent(std::uint32_t flags, std::int32_t x, std::int32_t y) override;
  platform::Point cursorPos() override;
};

class Win32Clock final : public platform::ClockPort {
 public:
  platform::TimeOfDay localTimeOfDay() override;
  std::uint32_t tickCount() override;
};

class Win32Process final : public platform::ProcessPort {
 public:
  void messageBox(std::string_view text, std::string_view title, std::uint32_t flags) override;
  [[noreturn]] void exitProcess(std::int32_t exitCode) override;
};

}  // namespace orvalek::win32
