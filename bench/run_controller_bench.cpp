// What a start and a tick cost as the list grows. A tick parses the one line
// it moves to, so its cost must not depend on the list's length; a start
// cuts the whole list and so grows with it, linearly.

#include <benchmark/benchmark.h>

#include <cstdint>

#include "operation_lines.h"
#include "replay_desk.h"

namespace {

using orvalek::bench::operationLines;
using orvalek::bench::ReplayDesk;

constexpr std::int64_t kTicksMeasured = 10'000;
constexpr std::int64_t kTicksBetweenLogClears = 1024;

// The last kTicksMeasured ticks of a pass through the list (a short list
// loops through them many times over).
void tickAtTheEndOfTheList(benchmark::State& state) {
  const std::int64_t lineCount = state.range(0);
  ReplayDesk desk;
  desk.loadList(operationLines(lineCount), true);
  desk.controller.startRun();
  for (std::int64_t tick = 0; tick < lineCount - kTicksMeasured; ++tick) {
    desk.controller.onTimerTick();
    if (tick % kTicksBetweenLogClears == 0) desk.forgetLogs();
  }

  std::int64_t tick = 0;
  for (auto _ : state) {
    desk.controller.onTimerTick();
    if (++tick % kTicksBetweenLogClears == 0) desk.forgetLogs();
  }
  state.counters["lines"] = static_cast<double>(lineCount);
}
BENCHMARK(tickAtTheEndOfTheList)
    ->ArgName("lines")
    ->Arg(10)
    ->Arg(1'000'000)
    ->Iterations(kTicksMeasured)
    ->Unit(benchmark::kMicrosecond);

void startOnALongList(benchmark::State& state) {
  ReplayDesk desk;
  const auto width = static_cast<orvalek::bench::LineWidth>(state.range(1));
  const orvalek::Text listText = operationLines(state.range(0), width);
  desk.loadList(listText, false);
  for (auto _ : state) {
    desk.controller.startRun();
    desk.forgetLogs();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(listText.size()));
  state.counters["lines"] = static_cast<double>(state.range(0));
}
BENCHMARK(startOnALongList)
    ->ArgNames({"lines", "wide"})
    ->Args({10'000, 0})
    ->Args({100'000, 0})
    ->Args({1'000'000, 0})
    ->Args({1'000'000, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
