#include "platform/sim/simulated_hotkeys.h"

#include <algorithm>

#include "platform/sim/simulated_window.h"

namespace orvalek::sim {

namespace {

// Installed procedures get addresses of their own, apart from the window's.
constexpr platform::ProcedureAddress kFirstSubclassAddress = 0x00402000;
constexpr platform::ProcedureAddress kSubclassAddressStep = 0x10;

}  // namespace

bool SimulatedHotkeys::registerHotKey(platform::WindowHandle window, std::int32_t id,
                                      std::uint32_t modifiers, std::uint32_t virtualKey) {
  const HotkeyRegistration registration{window, id, modifiers, virtualKey};
  registerCalls_.push_back(registration);
  if (isHeld(virtualKey, modifiers)) {
    return false;
  }
  registrations_.push_back(registration);
  return true;
}

void SimulatedHotkeys::unregisterHotKey(platform::WindowHandle window, std::int32_t id) {
  unregisterCalls_.push_back({window, id});
  std::erase_if(registrations_, [&](const HotkeyRegistration& registration) {
    return registration.window == window && registration.id == id;
  });
}

platform::ProcedureAddress SimulatedHotkeys::subclassWindow(
    platform::WindowHandle window, platform::SubclassProcedure& procedure) {
  subclassCalls_.push_back(window);
  if (window != window_.mainWindowHandle()) {
    return 0;
  }
  const platform::ProcedureAddress address =
      kFirstSubclassAddress + kSubclassAddressStep * installed_.size();
  installed_.push_back({address, &procedure});
  const platform::ProcedureAddress previous = currentProcedure_;
  currentProcedure_ = address;
  return previous;
}

platform::MessageResult SimulatedHotkeys::callWindowProc(platform::ProcedureAddress procedure,
                                                         const platform::WindowMessage& message) {
  if (procedure == kOwnProcedure) {
    ownProcedureLog_.push_back(message);
    return ownProcedureResult_;
  }
  const auto found = std::ranges::find(installed_, procedure, &InstalledProcedure::address);
  if (found == installed_.end()) {
    return 0;
  }
  // Through a local: the procedure may subclass again and grow the list.
  platform::SubclassProcedure& installed = *found->procedure;
  return installed.windowProc(message);
}

void SimulatedHotkeys::holdByOtherProgram(std::uint32_t virtualKey, std::uint32_t modifiers) {
  heldByOthers_.emplace_back(virtualKey, modifiers);
}

platform::MessageResult SimulatedHotkeys::sendMessage(const platform::WindowMessage& message) {
  if (message.window != window_.mainWindowHandle()) {
    return 0;
  }
  return callWindowProc(currentProcedure_, message);
}

bool SimulatedHotkeys::pressKey(std::uint32_t virtualKey, std::uint32_t modifiers) {
  const auto found = std::ranges::find_if(registrations_, [&](const HotkeyRegistration& held) {
    return held.virtualKey == virtualKey && held.modifiers == modifiers;
  });
  if (found == registrations_.end()) {
    return false;
  }
  // wParam carries the id, lParam the modifiers (low word) and the key.
  const platform::WindowMessage hotkey{
      found->window, platform::kWmHotkey, static_cast<std::uint32_t>(found->id),
      static_cast<std::intptr_t>((virtualKey << 16) | (modifiers & 0xFFFF))};
  sendMessage(hotkey);
  return true;
}

void SimulatedHotkeys::postQuit(std::int32_t exitCode) {
  postMessage({0, kWmQuit, static_cast<std::uint32_t>(exitCode), 0});
}

void SimulatedHotkeys::dispatchPendingMessages() {
  while (!queue_.empty() && queue_.front().message != kWmQuit) {
    const platform::WindowMessage message = queue_.front();
    queue_.pop_front();
    sendMessage(message);
  }
}

void SimulatedHotkeys::clearLogs() {
  registerCalls_.clear();
  unregisterCalls_.clear();
  subclassCalls_.clear();
  ownProcedureLog_.clear();
}

bool SimulatedHotkeys::isHeld(std::uint32_t virtualKey, std::uint32_t modifiers) const {
  const auto sameKeys = [&](std::uint32_t key, std::uint32_t mods) {
    return key == virtualKey && mods == modifiers;
  };
  return std::ranges::any_of(heldByOthers_,
                             [&](const auto& held) { return sameKeys(held.first, held.second); }) ||
         std::ranges::any_of(registrations_, [&](const HotkeyRegistration& held) {
           return sameKeys(held.virtualKey, held.modifiers);
         });
}

}  // namespace orvalek::sim
