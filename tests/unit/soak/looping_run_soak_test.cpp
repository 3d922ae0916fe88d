// A looping run left on for a million ticks: every tick clicks on schedule,
// and the heap in use at the end is no larger than after the first passes.

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

#include "allocation_counter.h"
#include "platform/sim/simulated_desktop.h"
#include "scheduler/run_controller.h"
#include "ui/control_properties.h"

namespace orvalek {
namespace {

// Four lines, one of each click kind; equal waits in a row keep the timer's
// phase, the others re-arm it, so both paths of a tick run every pass.
constexpr std::string_view kList =
    "100,200,0,0,0.05,0\r\n"
    "300,400,0,0,0.05,1\r\n"
    "500,600,0,0,0.1,2\r\n"
    "-10,5,0,0,0.02,3\r\n";
constexpr std::int64_t kTicksPerPass = 4;
constexpr std::int64_t kPassMs = 50 + 50 + 100 + 20;
constexpr std::int64_t kButtonEventsPerPass = 2 + 4 + 2 + 4;

class LoopingRun {
 public:
  LoopingRun() {
    controls_.setText(ControlId::编辑框_操作组合, kList);
    desktop_.window.setChecked(ControlId::选择框_是否循环操作, true);
    desktop_.window.setTimerSink([this] { controller_.onTimerTick(); });
  }

  void start() {
    controller_.startRun();
    startedAtMs_ = desktop_.clock.nowMs();
  }

  // F3 twice: stops the run and starts a new one that reads the list box
  // afresh, at the moment a pass ends, so the schedule carries on unbroken.
  void stopAndStartAgain() {
    controller_.toggleRun();
    controller_.toggleRun();
  }

  // Lets `passes` whole passes run on the virtual clock and counts their
  // clicks; the simulated desktop's logs are emptied afterwards so that only
  // the program's own memory stays to be measured.
  void runPasses(std::int64_t passes) {
    desktop_.clock.advance(passes * kPassMs);
    for (const sim::InputEvent& event : desktop_.input.events()) {
      if (event.kind == sim::InputEvent::CursorMove) {
        ++clicks_;
      } else {
        ++buttonEvents_;
      }
    }
    desktop_.input.clearEvents();
    desktop_.window.clearCalls();
  }

  std::int64_t clicks() const { return clicks_; }
  std::int64_t buttonEvents() const { return buttonEvents_; }
  std::int64_t elapsedMs() const { return desktop_.clock.nowMs() - startedAtMs_; }
  std::int32_t interval() const { return controls_.interval(); }

 private:
  sim::SimulatedDesktop desktop_;
  ControlProperties controls_{desktop_.window};
  RunController controller_{controls_, desktop_.input, desktop_.clock};
  std::int64_t startedAtMs_ = 0;
  std::int64_t clicks_ = 0;
  std::int64_t buttonEvents_ = 0;
};

TEST(LoopingRunSoakTest, AMillionTicksClickOnScheduleAndLeaveTheHeapAsItWas) {
  constexpr std::int64_t kWarmUpPasses = 1'000;
  constexpr std::int64_t kPasses = 1'000'000 / kTicksPerPass;
  constexpr std::int64_t kPassesPerChunk = 1'000;
  constexpr std::int64_t kChunksBetweenRestarts = 25;

  LoopingRun run;
  run.start();
  run.runPasses(kWarmUpPasses);
  const soak::HeapInUse settled = soak::heapInUse();

  for (std::int64_t chunk = 1; chunk <= kPasses / kPassesPerChunk; ++chunk) {
    run.runPasses(kPassesPerChunk);
    if (chunk % kChunksBetweenRestarts == 0) run.stopAndStartAgain();
  }
  const soak::HeapInUse atEnd = soak::heapInUse();

  const std::int64_t passes = kWarmUpPasses + kPasses;
  EXPECT_EQ(run.clicks(), passes * kTicksPerPass);
  EXPECT_EQ(run.buttonEvents(), passes * kButtonEventsPerPass);
  // The last click falls exactly where the ideal schedule puts it: no drift.
  EXPECT_EQ(run.elapsedMs(), passes * kPassMs);
  EXPECT_EQ(run.interval(), 50) << "the run is still on, waiting for line 1";

  EXPECT_LE(atEnd.allocations, settled.allocations);
  EXPECT_LE(atEnd.bytes, settled.bytes);
}

}  // namespace
}  // namespace orvalek
