#include "scheduler/click_sender.h"

#include <span>

namespace orvalek {

namespace {
using platform::kMouseLeftDown;
using platform::kMouseLeftUp;
using platform::kMouseRightDown;
using platform::kMouseRightUp;

constexpr std::uint32_t kLeftSingle[] = {kMouseLeftDown, kMouseLeftUp};
constexpr std::uint32_t kLeftDouble[] = {kMouseLeftDown, kMouseLeftUp, kMouseLeftDown,
                                         kMouseLeftUp};
constexpr std::uint32_t kRightSingle[] = {kMouseRightDown, kMouseRightUp};
constexpr std::uint32_t kRightDouble[] = {kMouseRightDown, kMouseRightUp, kMouseRightDown,
                                          kMouseRightUp};

std::span<const std::uint32_t> buttonEventsOf(std::int32_t kind) {
  switch (static_cast<ClickKind>(kind)) {
    case ClickKind::LeftDoubleClick:
      return kLeftDouble;
    case ClickKind::RightClick:
      return kRightSingle;
    case ClickKind::RightDoubleClick:
      return kRightDouble;
    default:
      // Codes without a meaning of their own click like a left single click.
      return kLeftSingle;
  }
}
}  // namespace

void sendClick(platform::InputPort& input, std::int32_t x, std::int32_t y, std::int32_t kind) {
  input.setCursorPos(x, y);
  // Back to back, no pause: the receiver takes two quick pairs at one point
  // as a double click.
  for (const std::uint32_t flag : buttonEventsOf(kind)) input.mouseEvent(flag, x, y);
}

}  // namespace orvalek
