#pragma once

// The cursor and the synthetic mouse input of the simulated desktop: every
// cursor move and button event the program sends lands in one log, in order,
// stamped with the virtual time.

#include <cstdint>
#include <vector>

#include "platform/ports.h"
#include "platform/sim/virtual_clock.h"

namespace orvalek::sim {

struct InputEvent {
  enum Kind { CursorMove, Button };
  Kind kind = CursorMove;
  std::uint32_t flags = 0;  // the button flag of a Button event; 0 for a move
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int64_t atMs = 0;
  friend bool operator==(const InputEvent&, const InputEvent&) = default;
};

class SimulatedInput : public platform::InputPort {
 public:
  explicit SimulatedInput(VirtualClock& clock) : clock_(clock) {}

  void setCursorPos(std::int32_t x, std::int32_t y) override;
  void mouseEvent(std::uint32_t flags, std::int32_t x, std::int32_t y) override;
  platform::Point cursorPos() override { return cursor_; }

  // The user moving the physical mouse: not logged as program input.
  void placeCursor(std::int32_t x, std::int32_t y) { cursor_ = {x, y}; }

  const std::vector<InputEvent>& events() const { return events_; }
  void clearEvents() { events_.clear(); }

 private:
  VirtualClock& clock_;
  platform::Point cursor_;
  std::vector<InputEvent> events_;
};

}  // namespace orvalek::sim
