#include "platform/sim/simulated_input.h"

namespace orvalek::sim {

void SimulatedInput::setCursorPos(std::int32_t x, std::int32_t y) {
  cursor_ = {x, y};
  events_.push_back({InputEvent::CursorMove, 0, x, y, clock_.nowMs()});
}

void SimulatedInput::mouseEvent(std::uint32_t flags, std::int32_t x, std::int32_t y) {
  // Without a movement flag the event happens where the cursor is; the
  // position fields are kept only to show what the program passed.
  events_.push_back({InputEvent::Button, flags, x, y, clock_.nowMs()});
}

}  // namespace orvalek::sim
