// The add action copies the whole list text once to append a line: what that
// costs on a long list.

#include <benchmark/benchmark.h>

#include <cstdint>

#include "operation_lines.h"
#include "oplist/operation_list.h"
#include "replay_desk.h"

namespace {

using orvalek::ControlId;

void appendToALongList(benchmark::State& state) {
  orvalek::bench::ReplayDesk desk;
  const orvalek::Text listText = orvalek::bench::operationLines(state.range(0));
  desk.loadList(listText, false);
  desk.controls.setText(ControlId::编辑框_X, "1920");
  desk.controls.setText(ControlId::编辑框_Y, "1080");
  desk.controls.setText(ControlId::编辑框_时, "0");
  desk.controls.setText(ControlId::编辑框_分, "1");
  desk.controls.setText(ControlId::编辑框_秒, "30");
  desk.controls.setText(ControlId::编辑框_操作类型, "3");

  constexpr std::int64_t kAppendsBeforeReset = 256;
  std::int64_t appends = 0;
  for (auto _ : state) {
    orvalek::appendOperation(desk.controls);
    if (++appends % kAppendsBeforeReset == 0) {
      // Keep the list at the size under test rather than growing it for ever.
      state.PauseTiming();
      desk.loadList(listText, false);
      desk.forgetLogs();
      state.ResumeTiming();
    }
  }
  state.counters["lines"] = static_cast<double>(state.range(0));
}
BENCHMARK(appendToALongList)->ArgName("lines")->Arg(100'000)->Unit(benchmark::kMicrosecond);

}  // namespace
