#include "hotkeys/hotkey_registry.h"

#include <limits>
#include <utility>

#include "hotkeys/process_window_finder.h"

namespace orvalek {

namespace {

// The hotkey id a WM_HOTKEY carries in wParam. All 32 bits of the id count;
// a wider wParam holds an id only when its upper bits merely extend those
// 32 bits (zero or sign extension), anything else names no id at all.
std::optional<std::int32_t> hotkeyIdOf(std::uintptr_t wParam) {
  const auto low = static_cast<std::uint32_t>(wParam & std::numeric_limits<std::uint32_t>::max());
  const auto id = static_cast<std::int32_t>(low);
  const auto zeroExtended = static_cast<std::uintptr_t>(low);
  const auto signExtended = static_cast<std::uintptr_t>(static_cast<std::intptr_t>(id));
  if (wParam != zeroExtended && wParam != signExtended) {
    return std::nullopt;
  }
  return id;
}

}  // namespace

std::int32_t HotkeyRegistry::registerHotkey(std::optional<platform::WindowHandle> window,
                                            std::optional<std::uint32_t> modifiers,
                                            std::uint32_t virtualKey, HotkeyRoutine routine,
                                            std::int32_t id) {
  // Release every earlier registration under this id, not only the first;
  // their records stay, and the one appended last is the one that counts.
  const std::size_t recordCount = records_.size();
  for (std::size_t position = 0; position < recordCount; ++position) {
    if (records_[position].id == id) {
      hotkeys_.unregisterHotKey(records_[position].window, records_[position].id);
    }
  }

  // The finder dispatches pending messages while it walks, so hotkey routines
  // may run here; the table changes only when the new record is appended.
  const platform::WindowHandle target =
      window.has_value() ? *window : findProcessWindow(walk_, clock_, hotkeys_.currentProcessId());

  if (id == 0) {
    return 0;
  }
  if (!hotkeys_.registerHotKey(target, id, modifiers.value_or(0), virtualKey)) {
    return 0;
  }
  records_.push_back(HotkeyRecord{target, id, std::move(routine)});

  // Only the first record's window is subclassed, once for the whole run.
  if (records_.size() < 2) {
    previousWindowProc_ = hotkeys_.subclassWindow(target, *this);
  }
  return 1;
}

std::int32_t HotkeyRegistry::findRecordById(std::int32_t id) const {
  for (std::size_t position = records_.size(); position > 0; --position) {
    if (records_[position - 1].id == id) {
      return static_cast<std::int32_t>(position);
    }
  }
  return 0;
}

platform::MessageResult HotkeyRegistry::hotkeyWindowProc(const platform::WindowMessage& message) {
  if (message.message == platform::kWmHotkey) {
    const std::optional<std::int32_t> id = hotkeyIdOf(message.wParam);
    const std::int32_t position = id.has_value() ? findRecordById(*id) : 0;
    if (position != 0) {
      // A copy: the routine may send messages back through this procedure or
      // register further hotkeys, which may move the table's storage.
      const HotkeyRoutine routine = records_[static_cast<std::size_t>(position - 1)].routine;
      if (routine) {
        routine();
      }
      return 0;
    }
    // An id no record holds can only come from someone posting WM_HOTKEY to
    // the window by hand; the window's own procedure deals with it like any
    // other message it does not know.
  }
  return hotkeys_.callWindowProc(previousWindowProc_, message);
}

void HotkeyRegistry::releaseRecords() {
  // The subclass stays in place until the window goes, so later messages
  // still reach the previous procedure; only the records are freed.
  std::vector<HotkeyRecord>().swap(records_);
}

}  // namespace orvalek
