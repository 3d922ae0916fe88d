#pragma once

// System-wide hotkeys bound to routines of the program. The first successful
// registration puts hotkeyWindowProc in front of the window's procedure: it
// runs the routine of each WM_HOTKEY and hands every other message on.

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "platform/ports.h"

namespace orvalek {

using HotkeyRoutine = std::function<void()>;

struct HotkeyRecord {
  platform::WindowHandle window = 0;
  std::int32_t id = 0;
  HotkeyRoutine routine;
};

class HotkeyRegistry final : public platform::SubclassProcedure {
 public:
  HotkeyRegistry(platform::HotkeyPort& hotkeys, platform::WindowWalkPort& walk,
                 platform::ClockPort& clock)
      : hotkeys_(hotkeys), walk_(walk), clock_(clock) {}

  // 1 when the hotkey was registered and recorded, else 0. An omitted window
  // is looked up as the own process's first visible top-level window; an
  // omitted modifier set is 0.
  std::int32_t registerHotkey(std::optional<platform::WindowHandle> window,
                              std::optional<std::uint32_t> modifiers, std::uint32_t virtualKey,
                              HotkeyRoutine routine, std::int32_t id);

  // 1-based position of the last record holding `id`, 0 when none does.
  std::int32_t findRecordById(std::int32_t id) const;

  platform::MessageResult hotkeyWindowProc(const platform::WindowMessage& message);
  platform::MessageResult windowProc(const platform::WindowMessage& message) override {
    return hotkeyWindowProc(message);
  }

  const std::vector<HotkeyRecord>& records() const { return records_; }
  platform::ProcedureAddress previousWindowProc() const { return previousWindowProc_; }
  // Frees the records (exit routine); registrations end with the window.
  void releaseRecords();

 private:
  platform::HotkeyPort& hotkeys_;
  platform::WindowWalkPort& walk_;
  platform::ClockPort& clock_;
  std::vector<HotkeyRecord> records_;
  platform::ProcedureAddress previousWindowProc_ = 0;
};

}  // namespace orvalek
