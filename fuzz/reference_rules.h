#pragma once

// Second, independent readings of the text rules, written a different way
// from the program's own (library searches and the C library's strtod in
// place of hand-written scanners), so that a fuzzer can hold the two against
// each other. Slow and simple on purpose: they only ever judge.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "oplist/text_rules.h"

namespace orvalek::reference {

// Bytes of the character that starts at `position` (1 or 2), never past the end.
std::size_t characterWidth(std::string_view text, std::size_t position);

// Cuts at the matches of `delimiter` that start on a character boundary; the
// delimiter must not be empty.
TextList split(std::string_view text, std::string_view delimiter);

// 1-based byte position of the first match of `wanted` at a character start, or -1.
std::int32_t find(std::string_view text, std::string_view wanted);

struct RealReading {
  double value = 0.0;
  // Bytes of the original text that the number covers, leading blanks and
  // full-width characters included; 0 when the text holds no number.
  std::size_t consumedBytes = 0;
  // Digits from the first to the last nonzero one of the mantissa: beyond 17
  // the last bit of the result is free.
  std::size_t significantDigits = 0;
};

RealReading readReal(std::string_view text);

std::int32_t toInt32(double value);

std::int32_t delayMs(double hours, double minutes, double seconds);

}  // namespace orvalek::reference
