#include "platform/sim/simulated_window_walk.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace orvalek::sim {

namespace {

// What GetWindowTextA and GetClassNameA do with a buffer: the text cut to
// size - 1 bytes and a terminating zero; nothing for a size below 1.
void writeCut(const Text& text, char* buffer, std::int32_t size) {
  if (size < 1) {
    return;
  }
  const std::size_t count = std::min(text.size(), static_cast<std::size_t>(size - 1));
  std::memcpy(buffer, text.data(), count);
  buffer[count] = '\0';
}

}  // namespace

platform::WindowHandle SimulatedWindowWalk::nextTopLevelWindow(platform::WindowHandle after) {
  platform::WindowHandle found = 0;
  if (after == 0) {
    found = windows_.empty() ? 0 : windows_.front().handle;
  } else {
    const auto at = std::ranges::find(windows_, after, &TopLevelWindow::handle);
    if (at != windows_.end() && std::next(at) != windows_.end()) {
      found = std::next(at)->handle;
    }
  }
  steps_.push_back({after, found, clock_.nowMs()});
  return found;
}

std::int32_t SimulatedWindowWalk::isWindow(platform::WindowHandle window) {
  const TopLevelWindow* scripted = existing(window);
  return scripted != nullptr ? 1 : 0;
}

bool SimulatedWindowWalk::isWindowVisible(platform::WindowHandle window) {
  const TopLevelWindow* scripted = existing(window);
  return scripted != nullptr && scripted->visible;
}

std::uint32_t SimulatedWindowWalk::windowProcessId(platform::WindowHandle window) {
  const TopLevelWindow* scripted = existing(window);
  return scripted != nullptr ? scripted->processId : 0;
}

std::int32_t SimulatedWindowWalk::windowTextLength(platform::WindowHandle window) {
  const TopLevelWindow* scripted = existing(window);
  return scripted != nullptr ? textByteLength(scripted->title) : 0;
}

void SimulatedWindowWalk::windowTitle(platform::WindowHandle window, char* buffer,
                                      std::int32_t size) {
  ++titleReads_;
  const TopLevelWindow* scripted = existing(window);
  writeCut(scripted != nullptr ? scripted->title : Text{}, buffer, size);
}

void SimulatedWindowWalk::windowClassName(platform::WindowHandle window, char* buffer,
                                          std::int32_t size) {
  ++classNameReads_;
  const TopLevelWindow* scripted = existing(window);
  writeCut(scripted != nullptr ? scripted->className : Text{}, buffer, size);
}

void SimulatedWindowWalk::dispatchPendingMessages() {
  ++dispatchCalls_;
  hotkeys_.dispatchPendingMessages();
}

const TopLevelWindow* SimulatedWindowWalk::existing(platform::WindowHandle window) const {
  if (window == 0) {
    return nullptr;
  }
  const auto at = std::ranges::find(windows_, window, &TopLevelWindow::handle);
  return at != windows_.end() && at->exists ? &*at : nullptr;
}

}  // namespace orvalek::sim
