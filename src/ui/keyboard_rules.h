#pragma once

// The window's own keyboard rules, looked at before a control sees a key
// press: Tab and Shift+Tab walk the tab order, Esc closes the window, Enter
// only breaks lines in the list box. Pure decisions; the Windows layer acts
// on them.

#include <cstdint>
#include <optional>

#include "ui/control_id.h"
#include "ui/control_table.h"

namespace orvalek {

inline constexpr std::uint32_t kVkTab = 0x09;
inline constexpr std::uint32_t kVkReturn = 0x0D;
inline constexpr std::uint32_t kVkEscape = 0x1B;

struct KeyPress {
  std::uint32_t virtualKey = 0;
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

enum class KeyAction {
  PassOn,       // the control gets the key as usual
  Swallow,      // nobody gets it
  MoveFocus,    // give the focus to KeyDecision::focusTarget
  CloseWindow,  // close the main window as its close box does
};

struct KeyDecision {
  KeyAction action = KeyAction::PassOn;
  ControlId focusTarget = ControlId::MainWindow;
  friend bool operator==(const KeyDecision&, const KeyDecision&) = default;
};

// `focused` is the control holding the keyboard focus, if any.
KeyDecision decideKeyPress(const KeyPress& key, std::optional<ControlId> focused);

// The control after (or before) `from` in the tab order, wrapping at both
// ends; from a control outside the order, or from none, the first one.
ControlId nextInTabOrder(std::optional<ControlId> from, bool backwards);

// Whether a typed character reaches a box with `filter`. Codes below 32
// (Backspace, the clipboard shortcuts) always pass.
bool characterPasses(CharacterFilter filter, std::uint32_t code);

}  // namespace orvalek
