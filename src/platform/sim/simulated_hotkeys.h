#pragma once

// The system's side of global hotkeys on the simulated desktop: the table of
// registered key combinations, the procedure chain of the main window and
// the thread's message queue. The main window's own procedure is a stand-in
// that logs every message it receives and answers with a result the test
// sets, so a test sees exactly what a subclass handed on.

#include <cstdint>
#include <deque>
#include <utility>
#include <vector>

#include "platform/ports.h"

namespace orvalek::sim {

class SimulatedWindow;

// The request to leave the message loop (WM_QUIT).
inline constexpr std::uint32_t kWmQuit = 0x0012;

struct HotkeyRegistration {
  platform::WindowHandle window = 0;
  std::int32_t id = 0;
  std::uint32_t modifiers = 0;
  std::uint32_t virtualKey = 0;
  friend bool operator==(const HotkeyRegistration&, const HotkeyRegistration&) = default;
};

struct HotkeyRelease {
  platform::WindowHandle window = 0;
  std::int32_t id = 0;
  friend bool operator==(const HotkeyRelease&, const HotkeyRelease&) = default;
};

class SimulatedHotkeys final : public platform::HotkeyPort {
 public:
  // The address of the main window's own procedure, before any subclass.
  static constexpr platform::ProcedureAddress kOwnProcedure = 0x00401000;
  static constexpr std::uint32_t kDefaultProcessId = 0x1F40;

  explicit SimulatedHotkeys(SimulatedWindow& window) : window_(window) {}

  // HotkeyPort. A registration fails while the same key combination is held,
  // by this program or another; a subclass succeeds only for the main window
  // (anything else returns 0, as for a window that does not exist).
  bool registerHotKey(platform::WindowHandle window, std::int32_t id, std::uint32_t modifiers,
                      std::uint32_t virtualKey) override;
  // Releases every registration of the program under (window, id).
  void unregisterHotKey(platform::WindowHandle window, std::int32_t id) override;
  platform::ProcedureAddress subclassWindow(platform::WindowHandle window,
                                            platform::SubclassProcedure& procedure) override;
  // The procedure behind `procedure`; an unknown address answers 0.
  platform::MessageResult callWindowProc(platform::ProcedureAddress procedure,
                                         const platform::WindowMessage& message) override;
  std::uint32_t currentProcessId() override { return processId_; }

  // What a test sets up.
  void setCurrentProcessId(std::uint32_t processId) { processId_ = processId; }
  // From now on RegisterHotKey of this combination fails.
  void holdByOtherProgram(std::uint32_t virtualKey, std::uint32_t modifiers);
  void setOwnProcedureResult(platform::MessageResult result) { ownProcedureResult_ = result; }

  // What the system does. A message for a window other than the main one
  // reaches no procedure: it is dropped and answered with 0.
  platform::MessageResult sendMessage(const platform::WindowMessage& message);
  // A key press: WM_HOTKEY with the registered id goes to the registering
  // window's current procedure at once. False when the combination is not
  // registered by the program.
  bool pressKey(std::uint32_t virtualKey, std::uint32_t modifiers);
  void postMessage(const platform::WindowMessage& message) { queue_.push_back(message); }
  void postQuit(std::int32_t exitCode);
  // Dispatches the queue up to the first quit request, which stays queued.
  // Messages posted meanwhile are dispatched as well.
  void dispatchPendingMessages();

  // What a test looks at.
  const std::vector<HotkeyRegistration>& registrations() const { return registrations_; }
  const std::vector<HotkeyRegistration>& registerCalls() const { return registerCalls_; }
  const std::vector<HotkeyRelease>& unregisterCalls() const { return unregisterCalls_; }
  const std::vector<platform::WindowHandle>& subclassCalls() const { return subclassCalls_; }
  platform::ProcedureAddress currentProcedure() const { return currentProcedure_; }
  const std::vector<platform::WindowMessage>& ownProcedureLog() const { return ownProcedureLog_; }
  const std::deque<platform::WindowMessage>& pendingMessages() const { return queue_; }
  void clearLogs();

 private:
  struct InstalledProcedure {
    platform::ProcedureAddress address = 0;
    platform::SubclassProcedure* procedure = nullptr;  // not owned: the program's
  };
  bool isHeld(std::uint32_t virtualKey, std::uint32_t modifiers) const;

  SimulatedWindow& window_;
  std::uint32_t processId_ = kDefaultProcessId;
  std::vector<HotkeyRegistration> registrations_;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> heldByOthers_;  // (key, modifiers)
  std::vector<InstalledProcedure> installed_;
  platform::ProcedureAddress currentProcedure_ = kOwnProcedure;
  platform::MessageResult ownProcedureResult_ = 0;
  std::deque<platform::WindowMessage> queue_;

  std::vector<HotkeyRegistration> registerCalls_;
  std::vector<HotkeyRelease> unregisterCalls_;
  std::vector<platform::WindowHandle> subclassCalls_;
  std::vector<platform::WindowMessage> ownProcedureLog_;
};

}  // namespace orvalek::sim
