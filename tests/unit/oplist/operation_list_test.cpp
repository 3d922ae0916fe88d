#include "oplist/operation_list.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace orvalek {
namespace {

TEST(SplitOperationList, CutsTheListTextIntoLinesAtCrLf) {
  const struct {
    std::string_view text;
    TextList lines;
  } cases[] = {
      {"", {}},
      {"A\r\nB\r\n", {"A", "B"}},
      {"A\r\nB", {"A", "B"}},
      {"A\r\n\r\nB", {"A", "", "B"}},
      {"A\r\n\r\n", {"A", ""}},
      {"\r\n", {""}},
      {"\r\nA", {"", "A"}},
      {"A\rB\nC", {"A\rB\nC"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::string(c.text)));
    const OperationList list = splitOperationList(c.text);
    EXPECT_EQ(list.lines, c.lines);
    EXPECT_EQ(list.count(), static_cast<std::int32_t>(c.lines.size()));
  }
}

OperationEntry entryOf(std::int32_t delayMs, std::int32_t x, std::int32_t y, double hours,
                       double minutes, double seconds, std::int32_t clickKind) {
  return OperationEntry{delayMs, x, y, hours, minutes, seconds, clickKind};
}

TEST(ParseOperation, ReadsSixFieldsOfAnyFormIntoAnEntry) {
  const struct {
    std::string_view line;
    std::optional<OperationEntry> entry;
  } cases[] = {
      {"100,200,0,0,5,0", entryOf(5000, 100, 200, 0, 0, 5, 0)},
      {"100,200,1,30,0,2", entryOf(5400000, 100, 200, 1, 30, 0, 2)},
      {"100,200,0,0,0.5,1", entryOf(500, 100, 200, 0, 0, 0.5, 1)},
      {"100,200,0,0,0.001,3", entryOf(1, 100, 200, 0, 0, 0.001, 3)},
      {"100.9,-3.7,0,0,1,1.8", entryOf(1000, 100, -3, 0, 0, 1, 1)},
      {"abc,200,0,0,5,0", entryOf(5000, 0, 200, 0, 0, 5, 0)},
      {"12px,200,0,0,5,0", entryOf(5000, 12, 200, 0, 0, 5, 0)},
      {"100,200,,,5,0", entryOf(5000, 100, 200, 0, 0, 5, 0)},
      {"100,200,0,0,5,0,extra,7", entryOf(5000, 100, 200, 0, 0, 5, 0)},
      {"100,200,0,0,5,0,", entryOf(5000, 100, 200, 0, 0, 5, 0)},
      {" 100, 200,0,0,5,9", entryOf(5000, 100, 200, 0, 0, 5, 9)},
      {"-5,-6,0,-1,0,-1", entryOf(-60000, -5, -6, 0, -1, 0, -1)},
      {"\xa3\xb1\xa3\xb0\xa3\xb0,200,0,0,5,0", entryOf(5000, 100, 200, 0, 0, 5, 0)},
      // A line glued onto one typed without a final line break.
      {"1,1,0,0,1,0100,200,0,0,5,0", entryOf(1000, 1, 1, 0, 0, 1, 100)},
      // 600 hours are 2160000000 ms, which wraps in 32 bits.
      {"0,0,600,0,0,0", entryOf(-2134967296, 0, 0, 600, 0, 0, 0)},
      {"0,0,1e999,0,0,0", entryOf(0, 0, 0, std::numeric_limits<double>::infinity(), 0, 0, 0)},
      // Fewer than six fields hold no operation.
      {"100,200,0,0,5", std::nullopt},
      {"100,200,0,0,5,", std::nullopt},
      {"1\xa3\xac\x32,0,0,5,0", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::string(c.line)));
    const OperationList list{{Text(c.line)}};
    EXPECT_EQ(parseOperation(list, 1), c.entry);
  }
}

TEST(ParseOperation, GivesNoEntryForALineNumberOutsideTheListOrAnEmptyLine) {
  const OperationList list = splitOperationList("1,2,0,0,1,0\r\n\r\n3,4,0,0,2,1\r\n");
  ASSERT_EQ(list.count(), 3);
  EXPECT_EQ(parseOperation(list, 1), entryOf(1000, 1, 2, 0, 0, 1, 0));
  EXPECT_EQ(parseOperation(list, 2), std::nullopt);
  EXPECT_EQ(parseOperation(list, 3), entryOf(2000, 3, 4, 0, 0, 2, 1));
  for (const std::int32_t outside : {0, -1, 4, std::numeric_limits<std::int32_t>::min(),
                                     std::numeric_limits<std::int32_t>::max()}) {
    EXPECT_EQ(parseOperation(list, outside), std::nullopt) << outside;
  }
  EXPECT_EQ(parseOperation(splitOperationList(""), 1), std::nullopt);
}

TEST(OperationDelayMs, AddsTheWaitInMillisecondsAndWrapsTo32Bits) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  const struct {
    double hours, minutes, seconds;
    std::int32_t delayMs;
  } cases[] = {
      {0, 0, 5, 5000},
      {1, 30, 0, 5400000},
      {0, 0, 0.0015, 1},
      {0, 0, -1, -1000},
      {0, 0, 0.0009, 0},
      {600, 0, 0, -2134967296},
      {596, 31, 23.647, 2147483647},
      {596, 31, 23.648, std::numeric_limits<std::int32_t>::min()},
      {1e308, 0, 0, 0},
      {0, kInfinity, 0, 0},
      // An infinite minute and a negative infinite second sum to NaN.
      {0, kInfinity, -kInfinity, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.hours << "h " << c.minutes << "m " << c.seconds << "s");
    EXPECT_EQ(operationDelayMs(c.hours, c.minutes, c.seconds), c.delayMs);
  }
}

}  // namespace
}  // namespace orvalek
