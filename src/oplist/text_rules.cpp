#include "oplist/text_rules.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

#include "oplist/character_scan.h"
#include "oplist/decimal_reader.h"

namespace orvalek {

TextList splitOnDelimiter(std::string_view text, std::string_view delimiter) {
  TextList members;
  if (text.empty()) {
    return members;
  }
  if (delimiter.empty()) {
    // Nothing can cut the text; an empty delimiter would match everywhere
    // without moving on.
    members.emplace_back(text);
    return members;
  }
  // Counting first costs one fast pass but spares a long list the repeated
  // regrowth of the member vector.
  std::size_t delimiterCount = 0;
  for (std::size_t at = detail::findAtCharacterStart(text, 0, delimiter);
       at != std::string_view::npos;
       at = detail::findAtCharacterStart(text, at + delimiter.size(), delimiter)) {
    ++delimiterCount;
  }
  members.reserve(delimiterCount + 1);

  std::size_t memberStart = 0;
  for (;;) {
    const std::size_t at = detail::findAtCharacterStart(text, memberStart, delimiter);
    if (at == std::string_view::npos) {
      break;
    }
    members.emplace_back(text.substr(memberStart, at - memberStart));
    memberStart = at + delimiter.size();
  }
  if (memberStart < text.size()) {
    members.emplace_back(text.substr(memberStart));
  }
  return members;
}

double parseReal(std::string_view text) { return detail::readDecimal(text); }

std::int32_t realToInt32(double value) {
  constexpr double kTwoToThe63 = 9223372036854775808.0;
  // Written so that NaN fails the test too.
  if (!(std::fabs(value) < kTwoToThe63)) {
    return 0;
  }
  const auto truncated = static_cast<std::int64_t>(value);
  return static_cast<std::int32_t>(
      static_cast<std::uint32_t>(static_cast<std::uint64_t>(truncated)));
}

Text formatInt(std::int32_t value) {
  std::array<char, std::numeric_limits<std::int32_t>::digits10 + 2> digits{};
  const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
  return Text(digits.data(), result.ptr);
}

std::int32_t textByteLength(std::string_view text) {
  return static_cast<std::int32_t>(text.size());
}

Text joinTexts(std::initializer_list<std::string_view> texts) {
  std::size_t total = 0;
  for (const std::string_view piece : texts) {
    total += piece.size();
  }
  Text joined;
  joined.reserve(total);
  for (const std::string_view piece : texts) {
    joined.append(piece);
  }
  return joined;
}

std::int32_t findSubtext(std::string_view text, std::string_view wanted) {
  if (wanted.empty()) {
    return text.empty() ? -1 : 1;
  }
  const std::size_t at = detail::findAtCharacterStart(text, 0, wanted);
  return at == std::string_view::npos ? -1 : static_cast<std::int32_t>(at + 1);
}

Text spaceText(std::int32_t count) {
  return count > 0 ? Text(static_cast<std::size_t>(count), ' ') : Text();
}

Text textOfByte(std::uint8_t code) { return code == 0 ? Text() : Text(1, static_cast<char>(code)); }

}  // namespace orvalek
