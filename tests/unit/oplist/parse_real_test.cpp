#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
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
      {"", 0.0},
      {"   ", 0.0},
      {"12", 12.0},
      {" \t12", 12.0},
      {"\n\v\f\r7", 7.0},
      {"+5", 5.0},
      {"-3.5", -3.5},
      {".5", 0.5},
      {"-.5", -0.5},
      {"5.", 5.0},
      {"000123", 123.0},
      {"2.50", 2.5},
      {"0.1", 0.1},
      {"1e3", 1000.0},
      {"1E+2", 100.0},
      {"2D2", 200.0},
      {"2d-1", 0.2},
      {"1230000e-4", 123.0},
      {"0e99999", 0.0},
      // Zeros inside the digits count.
      {"100.9", 100.9},
      {"105", 105.0},
      {"1000.05", 1000.05},
      {"0.05", 0.05},
      {"-3.007", -3.007},
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
      {"\xa3\xb1\xa3\xb2", 12.0},           // full-width 1 2
      {"\xa1\xa1\xa3\xb7", 7.0},            // ideographic space, full-width 7
      {"\xa3\xad\xa3\xb5", -5.0},           // full-width minus, 5
      {"\xa3\xab\x33", 3.0},                // full-width plus
      {"\xa3\xb1\xa3\xae\xa3\xb5", 1.5},    // full-width full stop
      {"\xa3\xb1\xa3\xc5\xa3\xb2", 100.0},  // full-width E
      {"\xa3\xb2\xa3\xe4\xa3\xb1", 20.0},   // full-width d
      {"1\xa3\xb2\x33", 123.0},             // mixed widths
      {"1\xa3\xac\x32", 1.0},               // full-width comma ends it
      {"\xa1\xee\x35", 0.0},                // a star is no number
      {"\xb0\xa1\x35", 0.0},                // nor is a GBK character
      {"\x81\x35\x36", 0.0},                // whose second byte is a digit
      {"1\x81\x35", 1.0},
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
      {"123456789012345", 123456789012345.0},
      {"1234567890123456789", 1234567890123456789.0},
      {"0.1234567890123456789", 0.1234567890123456789},
      {"1e22", 1e22},
      {"1e23", 1e23},
      {"123456789012345e-22", 123456789012345e-22},
      {"123456789012345e-23", 123456789012345e-23},
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

// Plain decimal texts, from short to long, with powers of ten on both sides
// of what a double holds exactly.
std::string randomDecimal(std::mt19937_64& random) {
  std::uniform_int_distribution<int> digit(0, 9);
  std::uniform_int_distribution<int> count(0, 22);
  std::uniform_int_distribution<int> exponent(-340, 320);
  std::string text;
  if (random() % 2 == 0) text += '-';
  for (int n = count(random) + 1; n > 0; --n) text += static_cast<char>('0' + digit(random));
  if (random() % 2 == 0) {
    text += '.';
    for (int n = count(random); n > 0; --n) text += static_cast<char>('0' + digit(random));
  }
  if (random() % 2 == 0) text += "e" + std::to_string(exponent(random) / (random() % 2 ? 1 : 12));
  return text;
}

TEST(ParseReal, AgreesWithTheCLibraryOnPlainDecimalTexts) {
  // Under the "C" locale the C library reads these exactly as the number
  // rules do, and rounds correctly; it is only a reference here.
  std::mt19937_64 random(7);
  for (int round = 0; round < 20000; ++round) {
    const std::string text = randomDecimal(random);
    ASSERT_EQ(parseReal(text), std::strtod(text.c_str(), nullptr)) << text;
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
