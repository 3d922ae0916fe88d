#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <string_view>

#include "oplist/text_rules.h"

namespace orvalek {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct ParseCase {
  std::string_view text;
  double value;
};

void expectParses(const ParseCase& c) {
  SCOPED_TRACE(testing::PrintToString(std::string(c.text)));
  EXPECT_EQ(parseReal(c.text), c.value);
}

TEST(ParseReal, ReadsTheDecimalNumberAtTheStartOfTheText) {
  const ParseCase cases[] = {
      {"", 0.0},          {"   ", 0.0},          {"12", 12.0},      {" \t12", 12.0},
      {"\n\v\f\r7", 7.0}, {"+5", 5.0},           {"-3.5", -3.5},    {".5", 0.5},
      {"-.5", -0.5},      {"5.", 5.0},           {"000123", 123.0}, {"2.50", 2.5},
      {"0.1", 0.1},       {"1e3", 1000.0},       {"1E+2", 100.0},   {"2D2", 200.0},
      {"2d-1", 0.2},      {"1230000e-4", 123.0}, {"0e99999", 0.0},
  };
  for (const ParseCase& c : cases) {
    expectParses(c);
  }
}

TEST(ParseReal, StopsAtTheFirstByteThatCannotContinueTheNumber) {
  const ParseCase cases[] = {
      {"1e", 1.0},
      {"1e+", 1.0},
      {"1e-x", 1.0},
      {"1d", 1.0},
      {"12abc", 12.0},
      {"12px", 12.0},
      {"1 2", 1.0},
      {"1.2.3", 1.2},
      {"1,000", 1.0},
      {"abc", 0.0},
      {"-", 0.0},
      {"- 5", 0.0},
      {"+-5", 0.0},
      {".", 0.0},
      {"-.e5", 0.0},
      {"e5", 0.0},
      // No hexadecimal, no words for infinity or NaN.
      {"0x10", 0.0},
      {"inf", 0.0},
      {"-inf", 0.0},
      {"infinity", 0.0},
      {"nan", 0.0},
      {"1,5", 1.0},
  };
  for (const ParseCase& c : cases) {
    expectParses(c);
  }
}

TEST(ParseReal, ReadsFullWidthDigitsSignsAndBlanks) {
  const ParseCase cases[] = {
      {"\xa3\xb1\xa3\xb2", 12.0},  // full-width 1 2
      {"\xa1\xa1\xa3\xb7", 7.0},   // ideographic space, full-width 7
      {"\xa3\xad\xa3\xb5", -5.0},  // full-width minus, 5
      {"\xa3\xab"
       "3",
       3.0},                                // full-width plus
      {"\xa3\xb1\xa3\xae\xa3\xb5", 1.5},    // full-width full stop
      {"\xa3\xb1\xa3\xc5\xa3\xb2", 100.0},  // full-width E
      {"\xa3\xb2\xa3\xe4\xa3\xb1", 20.0},   // full-width d
      {"1\xa3\xb2"
       "3",
       123.0},  // mixed widths
      {"1\xa3\xac"
       "2",
       1.0},  // full-width comma ends it
      {"\xa1\xee"
       "5",
       0.0},  // a star is no number
      {"\xb0\xa1"
       "5",
       0.0},  // nor is a GBK character
      {"\x81"
       "56",
       0.0},  // whose second byte is a digit
      {"1\x81"
       "5",
       1.0},
      // A lead byte at the very end is dropped.
      {"\xa3", 0.0},
      {"5\xa3", 5.0},
      {"12\xb0", 12.0},
  };
  for (const ParseCase& c : cases) {
    expectParses(c);
  }
}

TEST(ParseReal, RoundsCorrectlyAndSaturatesBeyondTheRangeOfADouble) {
  const ParseCase cases[] = {
      {"123456789012345678901234567890", 1.2345678901234568e29},
      {"0.000000000000000000000000000001", 1e-30},
      {"9007199254740993", 9007199254740992.0},  // halfway, rounds to even
      {"9007199254740993.0000000000000000001", 9007199254740994.0},
      {"1e308", 1e308},
      {"1.7976931348623157e308", std::numeric_limits<double>::max()},
      {"4.9e-324", std::numeric_limits<double>::denorm_min()},
      {"1e999", kInfinity},
      {"-1e999", -kInfinity},
      {"1.7976931348623159e308", kInfinity},
      {"1e99999999999999999999999", kInfinity},
      {"1e-999", 0.0},
      {"2e-324", 0.0},
      {"1e-99999999999999999999999", 0.0},
  };
  for (const ParseCase& c : cases) {
    expectParses(c);
  }
}

TEST(ParseReal, AnUnderflowToZeroKeepsTheSign) {
  EXPECT_FALSE(std::signbit(parseReal("1e-999")));
  EXPECT_TRUE(std::signbit(parseReal("-1e-999")));
}

TEST(ParseReal, ReadsNumbersWithVeryManyDigits) {
  const std::string manyZerosThenOne = "0." + std::string(400, '0') + "1e405";
  EXPECT_EQ(parseReal(manyZerosThenOne), 10000.0);
  const std::string longInteger = "1" + std::string(500, '0');
  EXPECT_EQ(parseReal(longInteger), kInfinity);
  const std::string longFraction = "0." + std::string(300, '3');
  EXPECT_EQ(parseReal(longFraction), 1.0 / 3.0);
}

}  // namespace
}  // namespace orvalek
