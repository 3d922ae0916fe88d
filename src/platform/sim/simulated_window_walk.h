#pragma once

// The system's list of top-level windows on the simulated desktop, as a
// script the test writes: the walk visits it in order and answers the
// questions asked about each window from the script. Every step of a walk is
// logged with its virtual time.

#include <cstdint>
#include <utility>
#include <vector>

#include "oplist/text_rules.h"
#include "platform/ports.h"
#include "platform/sim/simulated_hotkeys.h"
#include "platform/sim/virtual_clock.h"

namespace orvalek::sim {

struct TopLevelWindow {
  platform::WindowHandle handle = 0;
  bool exists = true;
  bool visible = true;
  std::uint32_t processId = 0;
  Text title;
  Text className;
};

struct WalkStep {
  platform::WindowHandle after = 0;
  platform::WindowHandle found = 0;
  std::int64_t atMs = 0;
  friend bool operator==(const WalkStep&, const WalkStep&) = default;
};

class SimulatedWindowWalk final : public platform::WindowWalkPort {
 public:
  SimulatedWindowWalk(VirtualClock& clock, SimulatedHotkeys& hotkeys)
      : clock_(clock), hotkeys_(hotkeys) {}

  // WindowWalkPort. A handle the script does not hold, or holds as no longer
  // existing, is no window: not visible, without process, title or class.
  platform::WindowHandle nextTopLevelWindow(platform::WindowHandle after) override;
  std::int32_t isWindow(platform::WindowHandle window) override;
  bool isWindowVisible(platform::WindowHandle window) override;
  std::uint32_t windowProcessId(platform::WindowHandle window) override;
  std::int32_t windowTextLength(platform::WindowHandle window) override;
  void windowTitle(platform::WindowHandle window, char* buffer, std::int32_t size) override;
  void windowClassName(platform::WindowHandle window, char* buffer, std::int32_t size) override;
  // The thread's queue of the simulated hotkeys, up to a quit request.
  void dispatchPendingMessages() override;

  // The top-level windows in the system's order.
  void setTopLevelWindows(std::vector<TopLevelWindow> windows) { windows_ = std::move(windows); }

  const std::vector<WalkStep>& steps() const { return steps_; }
  std::int32_t titleReads() const { return titleReads_; }
  std::int32_t classNameReads() const { return classNameReads_; }
  std::int32_t dispatchCalls() const { return dispatchCalls_; }

 private:
  // The scripted window behind `window` while it exists, else null.
  const TopLevelWindow* existing(platform::WindowHandle window) const;

  VirtualClock& clock_;
  SimulatedHotkeys& hotkeys_;
  std::vector<TopLevelWindow> windows_;
  std::vector<WalkStep> steps_;
  std::int32_t titleReads_ = 0;
  std::int32_t classNameReads_ = 0;
  std::int32_t dispatchCalls_ = 0;
};

}  // namespace orvalek::sim
