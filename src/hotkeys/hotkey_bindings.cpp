#include "hotkeys/hotkey_bindings.h"

#include <optional>

#include "oplist/operation_list.h"

namespace orvalek {

void captureMousePosition(platform::InputPort& input, ControlProperties& controls) {
  // Each coordinate is read afresh just before it is written.
  const std::int32_t x = input.cursorPos().x;
  controls.setText(ControlId::编辑框_X, formatInt(x));
  const std::int32_t y = input.cursorPos().y;
  controls.setText(ControlId::编辑框_Y, formatInt(y));
}

void bindHotkeys(HotkeyRegistry& registry, ControlProperties& controls, RunController& run,
                 platform::InputPort& input) {
  struct Binding {
    std::uint32_t virtualKey;
    std::int32_t id;
    HotkeyRoutine routine;
  };
  const Binding bindings[] = {
      {kVkF1, 1, [&input, &controls] { captureMousePosition(input, controls); }},
      {kVkF2, 2, [&controls] { appendOperation(controls); }},
      {kVkF3, 3, [&run] { run.toggleRun(); }},
  };
  // A key another program holds stays unbound; the others still work, so the
  // results are not looked at.
  for (const Binding& binding : bindings) {
    registry.registerHotkey(controls.windowHandle(), std::nullopt, binding.virtualKey,
                            binding.routine, binding.id);
  }
}

}  // namespace orvalek
