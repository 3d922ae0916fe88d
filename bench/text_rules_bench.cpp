// Throughput of the two rules every start and every tick lean on.

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "operation_lines.h"
#include "oplist/text_rules.h"

namespace {

void parseRealOnTypicalFields(benchmark::State& state) {
  // Fields as users type them, from short integers to full-width digits.
  const std::string_view fields[] = {
      "0",
      "5",
      "1920",
      "-3.5",
      " 12",
      "0.001",
      "1e3",
      "600",
      "100.9",
      "12px",
      "\xa3\xb1\xa3\xb2",
      "\xa1\xa1\xa3\xad\xa3\xb5",
      "2D2",
      "1.7976931348623157e308",
  };
  std::int64_t bytes = 0;
  for (auto _ : state) {
    for (const std::string_view field : fields) {
      benchmark::DoNotOptimize(orvalek::parseReal(field));
      bytes += static_cast<std::int64_t>(field.size());
    }
  }
  state.SetBytesProcessed(bytes);
}
BENCHMARK(parseRealOnTypicalFields);

void parseRealOnLongMantissa(benchmark::State& state) {
  const std::string digits = "3." + std::string(4000, '1');
  for (auto _ : state) benchmark::DoNotOptimize(orvalek::parseReal(digits));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(digits.size()));
}
BENCHMARK(parseRealOnLongMantissa);

void splitListIntoLines(benchmark::State& state) {
  const orvalek::Text list = orvalek::bench::operationLines(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(orvalek::splitOnDelimiter(list, "\r\n"));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(list.size()));
}
BENCHMARK(splitListIntoLines)->Arg(60'000);

void splitLineIntoFields(benchmark::State& state) {
  const std::string line = "1920,1080,0,0,1.5,0";
  for (auto _ : state) benchmark::DoNotOptimize(orvalek::splitOnDelimiter(line, ","));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(line.size()));
}
BENCHMARK(splitLineIntoFields);

}  // namespace
