#include "reference_rules.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace orvalek::reference {

namespace {

bool isLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// One byte of the full-width-normalised text and where, in the original
// text, the character it came from ends.
struct NormalisedByte {
  char byte;
  std::size_t originalEnd;
};

// The ASCII byte a GBK full-width character stands for, or 0 when it stands
// for none.
char asciiOfFullWidth(unsigned char lead, unsigned char trail) {
  if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) return static_cast<char>(trail - 0x80);
  if (lead == 0xA1 && trail == 0xA1) return ' ';
  if (lead == 0xA1 && trail == 0xAB) return '~';
  if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) return '*';
  return 0;
}

std::vector<NormalisedByte> normalise(std::string_view text) {
  std::vector<NormalisedByte> out;
  std::size_t position = 0;
  while (position < text.size()) {
    if (!isLeadByte(text[position])) {
      out.push_back({text[position], position + 1});
      ++position;
      continue;
    }
    if (position + 1 == text.size()) break;  // a lead byte with nothing after it is dropped
    const auto lead = static_cast<unsigned char>(text[position]);
    const auto trail = static_cast<unsigned char>(text[position + 1]);
    if (const char ascii = asciiOfFullWidth(lead, trail); ascii != 0) {
      out.push_back({ascii, position + 2});
    } else {
      out.push_back({text[position], position + 2});
      out.push_back({text[position + 1], position + 2});
    }
    position += 2;
  }
  return out;
}

}  // namespace

std::size_t characterWidth(std::string_view text, std::size_t position) {
  return isLeadByte(text[position]) && position + 1 < text.size() ? 2 : 1;
}

TextList split(std::string_view text, std::string_view delimiter) {
  TextList members;
  if (text.empty()) return members;
  std::size_t memberStart = 0;
  std::size_t characterStart = 0;  // walks the character starts, never backwards
  std::size_t searchFrom = 0;
  for (;;) {
    const std::size_t hit = text.find(delimiter, searchFrom);
    if (hit == std::string_view::npos) break;
    while (characterStart < hit) characterStart += characterWidth(text, characterStart);
    if (characterStart != hit) {  // the hit begins on a trail byte
      searchFrom = hit + 1;
      continue;
    }
    members.emplace_back(text.substr(memberStart, hit - memberStart));
    memberStart = characterStart = searchFrom = hit + delimiter.size();
  }
  if (memberStart < text.size()) members.emplace_back(text.substr(memberStart));
  return members;
}

std::int32_t find(std::string_view text, std::string_view wanted) {
  if (wanted.empty()) return text.empty() ? -1 : 1;
  for (std::size_t position = 0; position < text.size() && text.size() - position >= wanted.size();
       position += characterWidth(text, position)) {
    if (text.substr(position, wanted.size()) == wanted) {
      return static_cast<std::int32_t>(position + 1);
    }
  }
  return -1;
}

RealReading readReal(std::string_view text) {
  const std::vector<NormalisedByte> bytes = normalise(text);
  const auto at = [&](std::size_t i) { return i < bytes.size() ? bytes[i].byte : '\0'; };
  std::size_t i = 0;
  while (at(i) == ' ' || (at(i) >= '\t' && at(i) <= '\r')) ++i;

  std::string decimal;  // rebuilt in the C library's own syntax
  if (at(i) == '+' || at(i) == '-') decimal += bytes[i++].byte;
  std::string integerDigits;
  std::string fractionDigits;
  while (isDigit(at(i))) integerDigits += bytes[i++].byte;
  std::size_t end = i;
  if (at(i) == '.') {
    ++i;
    while (isDigit(at(i))) fractionDigits += bytes[i++].byte;
    end = i;
  }
  if (integerDigits.empty() && fractionDigits.empty()) return {};

  std::string exponent;
  if (std::string_view("eEdD").find(at(end)) != std::string_view::npos && at(end) != '\0') {
    std::size_t j = end + 1;
    std::string candidate = "e";
    if (at(j) == '+' || at(j) == '-') candidate += bytes[j++].byte;
    if (isDigit(at(j))) {
      while (isDigit(at(j))) candidate += bytes[j++].byte;
      exponent = candidate;
      end = j;
    }
  }

  decimal += (integerDigits.empty() ? "0" : integerDigits) + "." +
             (fractionDigits.empty() ? "0" : fractionDigits) + exponent;
  RealReading reading;
  reading.value = std::strtod(decimal.c_str(), nullptr);
  reading.consumedBytes = bytes[end - 1].originalEnd;
  const std::string mantissa = integerDigits + fractionDigits;
  const std::size_t first = mantissa.find_first_not_of('0');
  if (first != std::string::npos) {
    reading.significantDigits = mantissa.find_last_not_of('0') - first + 1;
  }
  return reading;
}

std::int32_t toInt32(double value) {
  constexpr double kTwoTo63 = 9223372036854775808.0;
  if (!std::isfinite(value) || std::fabs(value) >= kTwoTo63) return 0;
  const auto truncated = static_cast<std::uint64_t>(static_cast<std::int64_t>(value));
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(truncated & 0xFFFFFFFFu));
}

std::int32_t delayMs(double hours, double minutes, double seconds) {
  const double fromSeconds = seconds * 1000.0;
  const double fromMinutes = minutes * 60000.0;
  const double fromHours = hours * 3600000.0;
  return toInt32((fromSeconds + fromMinutes) + fromHours);
}

}  // namespace orvalek::reference
