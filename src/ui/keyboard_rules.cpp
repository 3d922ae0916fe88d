#include "ui/keyboard_rules.h"

#include <algorithm>

namespace orvalek {

KeyDecision decideKeyPress(const KeyPress& key, std::optional<ControlId> focused) {
  // Shortcuts with Ctrl or Alt (Alt+F4 among them) belong to the platform.
  if (key.ctrl || key.alt) return {};
  switch (key.virtualKey) {
    case kVkTab:
      return {KeyAction::MoveFocus, nextInTabOrder(focused, key.shift)};
    case kVkEscape:
      if (key.shift) return {};
      return {KeyAction::CloseWindow};
    case kVkReturn:
      // No button is a default button: Enter only breaks lines in the list box.
      if (focused == ControlId::编辑框_操作组合) return {};
      return {KeyAction::Swallow};
    default:
      return {};
  }
}

ControlId nextInTabOrder(std::optional<ControlId> from, bool backwards) {
  const auto found =
      std::find(kTabOrder.begin(), kTabOrder.end(), from.value_or(ControlId::MainWindow));
  if (found == kTabOrder.end()) return kTabOrder.front();
  const auto index = static_cast<std::size_t>(found - kTabOrder.begin());
  const std::size_t count = kTabOrder.size();
  return kTabOrder[backwards ? (index + count - 1) % count : (index + 1) % count];
}

bool characterPasses(CharacterFilter filter, std::uint32_t code) {
  if (code < 32) return true;
  const bool digitOrMinus = (code >= '0' && code <= '9') || code == '-';
  switch (filter) {
    case CharacterFilter::Integer:
      return digitOrMinus;
    case CharacterFilter::Decimal:
      return digitOrMinus || code == '.';
    case CharacterFilter::None:
      break;
  }
  return true;
}

}  // namespace orvalek
