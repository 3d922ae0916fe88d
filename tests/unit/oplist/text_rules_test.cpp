#include "oplist/text_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <string_view>

namespace orvalek {
namespace {

struct SplitCase {
  std::string_view text;
  std::string_view delimiter;
  TextList members;
};

TEST(SplitOnDelimiter, CutsAtCrLfWithoutAnEmptyLastLine) {
  const SplitCase cases[] = {
      {"", "\r\n", {}},
      {"a\r\nb", "\r\n", {"a", "b"}},
      {"a\r\nb\r\n", "\r\n", {"a", "b"}},
      {"a\r\n\r\nb", "\r\n", {"a", "", "b"}},
      {"a\r\n\r\n", "\r\n", {"a", ""}},
      {"\r\n", "\r\n", {""}},
      {"\r\na", "\r\n", {"", "a"}},
      {"abc", "\r\n", {"abc"}},
      {"a\rb\nc\n\r", "\r\n", {"a\rb\nc\n\r"}},
      {"a\r", "\r\n", {"a\r"}},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::string(c.text)));
    EXPECT_EQ(splitOnDelimiter(c.text, c.delimiter), c.members);
  }
}

TEST(SplitOnDelimiter, CutsAtCommasAndKeepsBlanksAndEmptyFields) {
  const SplitCase cases[] = {
      {"1,2,3", ",", {"1", "2", "3"}}, {"1,,3", ",", {"1", "", "3"}},
      {"1, 2", ",", {"1", " 2"}},      {"1,2,", ",", {"1", "2"}},
      {",1", ",", {"", "1"}},          {",", ",", {""}},
      {",,", ",", {"", ""}},           {" 1 ,\t2\t", ",", {" 1 ", "\t2\t"}},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::string(c.text)));
    EXPECT_EQ(splitOnDelimiter(c.text, c.delimiter), c.members);
  }
}

TEST(SplitOnDelimiter, NeverCutsInsideATwoByteCharacter) {
  const SplitCase cases[] = {
      // The full-width comma is one character, no delimiter.
      {"1\xa3\xac\x32", ",", {"1\xa3\xac\x32"}},
      // A lead byte takes the next byte along whatever it is.
      {"\x81,2", ",", {"\x81,2"}},
      {"\x81,,2", ",", {"\x81,", "2"}},
      {"\xb0\r\nx", "\r\n", {"\xb0\r\nx"}},
      {"\xb0\xa1\r\nx", "\r\n", {"\xb0\xa1", "x"}},
      // A lead byte right before the end stays in the last member.
      {"a,\xb0", ",", {"a", "\xb0"}},
      // Long runs, where whole words of plain bytes are skipped at once.
      {"0123456789abcdef,x", ",", {"0123456789abcdef", "x"}},
      {"abcdefghij\xb0,klmnopqrstu,vwxyz", ",", {"abcdefghij\xb0,klmnopqrstu", "vwxyz"}},
      {"abcdefghijklmnop\xb0", ",", {"abcdefghijklmnop\xb0"}},
      {"abcdefg\xb0,hijklmnop,x", ",", {"abcdefg\xb0,hijklmnop", "x"}},
      {"abcdefghijklmnop\xb0,", ",", {"abcdefghijklmnop\xb0,"}},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::string(c.text)));
    EXPECT_EQ(splitOnDelimiter(c.text, c.delimiter), c.members);
  }
}

TEST(SplitOnDelimiter, AnEmptyDelimiterLeavesTheTextWhole) {
  EXPECT_EQ(splitOnDelimiter("a,b", ""), TextList{"a,b"});
  EXPECT_EQ(splitOnDelimiter("", ""), TextList{});
}

// Character by character, with no shortcut: the reference the fast scan
// must agree with.
TextList splitOneCharacterAtATime(std::string_view text, std::string_view delimiter) {
  TextList members;
  std::size_t memberStart = 0;
  std::size_t pos = 0;
  while (!text.empty() && pos + delimiter.size() <= text.size()) {
    if (text.substr(pos, delimiter.size()) == delimiter) {
      members.emplace_back(text.substr(memberStart, pos - memberStart));
      pos += delimiter.size();
      memberStart = pos;
    } else {
      pos += static_cast<unsigned char>(text[pos]) >= 0x80 ? 2 : 1;
    }
  }
  if (memberStart < text.size()) {
    members.emplace_back(text.substr(memberStart));
  }
  return members;
}

TEST(SplitOnDelimiter, AgreesWithACharacterByCharacterScanOnMixedTexts) {
  constexpr std::string_view kAlphabet = "ab1,\r\n\xb0\xa3\xac";
  std::mt19937 random(20240611);
  std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
  std::uniform_int_distribution<std::size_t> length(0, 40);
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    for (std::size_t n = length(random); n > 0; --n) {
      text.push_back(kAlphabet[pick(random)]);
    }
    for (const std::string_view delimiter : {",", "\r\n", "\xa3\xac"}) {
      SCOPED_TRACE(testing::PrintToString(text));
      ASSERT_EQ(splitOnDelimiter(text, delimiter), splitOneCharacterAtATime(text, delimiter));
    }
  }
}

TEST(RealToInt32, TruncatesTowardZeroAndKeepsTheLow32Bits) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  const struct {
    double value;
    std::int32_t expected;
  } cases[] = {
      {2.9, 2},
      {-2.9, -2},
      {-0.5, 0},
      {0.0, 0},
      {2147483647.0, 2147483647},
      {2147483648.0, std::numeric_limits<std::int32_t>::min()},
      {3000000000.0, -1294967296},
      {4294967297.0, 1},
      {-2147483649.0, 2147483647},
      {2160000000.0, -2134967296},
      // The largest doubles below 2^63 still wrap ...
      {9223372036854774784.0, -1024},
      {-9223372036854774784.0, 1024},
      // ... while 2^63 and beyond, infinities and NaN give 0.
      {9223372036854775808.0, 0},
      {-9223372036854775808.0, 0},
      {1e19, 0},
      {kInfinity, 0},
      {-kInfinity, 0},
      {std::numeric_limits<double>::quiet_NaN(), 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(realToInt32(c.value), c.expected);
  }
}

TEST(FormatInt, WritesPlainDecimalDigitsWithAMinusWhenNegative) {
  const struct {
    std::int32_t value;
    std::string_view text;
  } cases[] = {
      {0, "0"},
      {7, "7"},
      {-15, "-15"},
      {100, "100"},
      {2147483647, "2147483647"},
      {std::numeric_limits<std::int32_t>::min(), "-2147483648"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(formatInt(c.value), c.text);
  }
}

TEST(FindSubtext, FindsTheFirstMatchAtACharacterStartCountingBytesFromOne) {
  const struct {
    std::string_view text;
    std::string_view wanted;
    std::int32_t position;
  } cases[] = {
      {"abc", "", 1},
      {"", "", -1},
      {"", "a", -1},
      {"abcbc", "bc", 2},
      {"\xb0\xa1\x61", "a", 3},
      {"abc", "B", -1},
      {"ab", "abc", -1},
      {"abc", "abc", 1},
      // A match may not start on the second byte of a character.
      {"\xb0\xa1", "\xa1", -1},
      {"\xb0\x61\x62", "ab", -1},
      {"\xb0\x61\x62\x61\x62", "ab", 4},
      {"x\xb0\x61\x61\x62", "ab", 4},
      // Past the first eight bytes, and after two-byte characters.
      {"0123456789abcdef\xb0\xa1xyz", "xyz", 19},
      {"0123456789\xb0xyzxyz", "xyz", 15},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::string(c.text)));
    EXPECT_EQ(findSubtext(c.text, c.wanted), c.position);
  }
}

TEST(SmallTextRules, BuildAndMeasureTexts) {
  EXPECT_EQ(spaceText(50), std::string(50, ' '));
  EXPECT_EQ(spaceText(1), " ");
  EXPECT_EQ(spaceText(0), "");
  EXPECT_EQ(spaceText(-3), "");

  EXPECT_EQ(textOfByte(0), "");
  EXPECT_EQ(textOfByte(65), "A");
  EXPECT_EQ(textOfByte(0xb0), "\xb0");

  EXPECT_EQ(textByteLength(""), 0);
  EXPECT_EQ(textByteLength("abc"), 3);
  EXPECT_EQ(textByteLength("\xb0\xa1\xb0\xa2"), 4);

  EXPECT_EQ(joinTexts({"a", "", "b\r\n"}), "ab\r\n");
  EXPECT_EQ(joinTexts({"", ""}), "");
}

}  // namespace
}  // namespace orvalek
