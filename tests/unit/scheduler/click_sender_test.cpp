#include "scheduler/click_sender.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/sim/simulated_input.h"
#include "platform/sim/virtual_clock.h"
#include "scheduler/button_sequences.h"

namespace orvalek {
namespace {

using sim::InputEvent;
using namespace button_events;

TEST(ClickSenderTest, EachKindSendsItsButtonEventsRightAfterTheCursorMove) {
  struct Case {
    std::int32_t kind;
    std::vector<std::uint32_t> buttons;
  };
  const Case cases[] = {
      {0, kLeftSingle},  {1, kLeftDouble}, {2, kRightSingle},  {3, kRightDouble},
      {-1, kLeftSingle}, {4, kLeftSingle}, {100, kLeftSingle}, {-2147483647 - 1, kLeftSingle},
  };
  for (const Case& testCase : cases) {
    SCOPED_TRACE(testCase.kind);
    sim::VirtualClock clock;
    clock.advance(1234);
    sim::SimulatedInput input{clock};

    sendClick(input, -10, 5, testCase.kind);

    // The coordinates go out unchanged, and everything happens at one
    // instant: no pause anywhere.
    std::vector<InputEvent> expected = {{InputEvent::CursorMove, 0, -10, 5, 1234}};
    for (std::uint32_t flag : testCase.buttons) {
      expected.push_back({InputEvent::Button, flag, -10, 5, 1234});
    }
    EXPECT_EQ(input.events(), expected);
    EXPECT_EQ(input.cursorPos(), (platform::Point{-10, 5}));
  }
}

TEST(ClickSenderTest, TheCursorStaysWhereTheClickWasSent) {
  sim::VirtualClock clock;
  sim::SimulatedInput input{clock};
  input.placeCursor(640, 480);

  sendClick(input, 100000, -70000, 0);

  EXPECT_EQ(input.cursorPos(), (platform::Point{100000, -70000}));
}

}  // namespace
}  // namespace orvalek
