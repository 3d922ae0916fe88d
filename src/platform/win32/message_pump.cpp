#include "platform/win32/message_pump.h"

#include "ui/control_table.h"
#include "ui/keyboard_rules.h"

namespace orvalek::win32 {
namespace {

bool isHeld(int virtualKey) { return GetKeyState(virtualKey) < 0; }

}  // namespace

void MessagePump::run() {
  MSG message{};
  // GetMessageW gives 0 for WM_QUIT and -1 when it fails; both end the loop.
  while (GetMessageW(&message, nullptr, 0, 0) > 0) dispatch(message);
}

void MessagePump::dispatchPending() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    dispatch(message);
  }
}

void MessagePump::dispatch(const MSG& message) {
  if (takenByWindowRules(message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

bool MessagePump::takenByWindowRules(const MSG& message) {
  if (!window_.holds(message.hwnd)) return false;
  switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      return takeKeyPress(message);
    case WM_CHAR:
      return takeCharacter(message);
    default:
      return false;
  }
}

bool MessagePump::takeKeyPress(const MSG& message) {
  const KeyPress key{static_cast<std::uint32_t>(message.wParam), isHeld(VK_SHIFT),
                     isHeld(VK_CONTROL), isHeld(VK_MENU)};
  const KeyDecision decision = decideKeyPress(key, window_.controlOf(GetFocus()));
  switch (decision.action) {
    case KeyAction::PassOn:
      return false;
    case KeyAction::Swallow:
      return true;
    case KeyAction::MoveFocus:
      SetFocus(window_.windowOf(decision.focusTarget));
      return true;
    case KeyAction::CloseWindow:
      // Exactly what the close box does.
      PostMessageW(window_.handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
      return true;
  }
  return false;
}

bool MessagePump::takeCharacter(const MSG& message) {
  const std::optional<ControlId> control = window_.controlOf(message.hwnd);
  if (!control) return false;
  const ControlDefinition* definition = findControlDefinition(*control);
  if (definition->kind != ControlKind::OneLineEdit) return false;
  return !characterPasses(definition->filter, static_cast<std::uint32_t>(message.wParam));
}

}  // namespace orvalek::win32
