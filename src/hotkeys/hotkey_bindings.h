#pragma once

// F1 captures the cursor position, F2 adds an operation, F3 starts or stops
// the run; bound once, when the main window is created.

#include "hotkeys/hotkey_registry.h"
#include "platform/ports.h"
#include "scheduler/run_controller.h"
#include "ui/control_properties.h"

namespace orvalek {

inline constexpr std::uint32_t kVkF1 = 0x70;
inline constexpr std::uint32_t kVkF2 = 0x71;
inline constexpr std::uint32_t kVkF3 = 0x72;

// Writes the cursor's x into 编辑框_X, then (read afresh) its y into 编辑框_Y.
void captureMousePosition(platform::InputPort& input, ControlProperties& controls);

// Registers F1, F2, F3 (ids 1, 2, 3, no modifiers) for the main window.
void bindHotkeys(HotkeyRegistry& registry, ControlProperties& controls, RunController& run,
                 platform::InputPort& input);

}  // namespace orvalek
