#pragma once

// The click itself: the cursor is put on the position and the button events
// of the click kind follow at once, with no pause anywhere.

#include <cstdint>

#include "platform/ports.h"

namespace orvalek {

enum class ClickKind : std::int32_t {
  LeftClick = 0,
  LeftDoubleClick = 1,
  RightClick = 2,
  RightDoubleClick = 3,
};

// Any `kind` other than 1, 2 or 3 acts as a left single click.
void sendClick(platform::InputPort& input, std::int32_t x, std::int32_t y, std::int32_t kind);

}  // namespace orvalek
