#pragma once

// The rules that turn the user's texts into numbers and lists and back.
// Texts are byte strings in code page 936 (GBK): a byte of 0x80 or above
// starts a two-byte character. Every rule is pure and never fails.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace orvalek {

// A GBK byte string. The empty text and "no text" are the same value.
using Text = std::string;
using TextList = std::vector<Text>;

// Cuts `text` at every occurrence of `delimiter` that starts on a character
// boundary. A delimiter at the very end adds no empty last member.
TextList splitOnDelimiter(std::string_view text, std::string_view delimiter);

// Reads the decimal number at the start of `text` (after full-width
// normalisation and leading blanks); 0 when there is none. The decimal point
// is always '.', exponents take e/E/d/D, and a magnitude beyond the largest
// double gives a signed infinity.
double parseReal(std::string_view text);

// Truncates toward zero to 64 bits and keeps the low 32 bits; infinities, NaN
// and magnitudes of 2^63 or more give 0.
std::int32_t realToInt32(double value);

// Decimal digits, a leading '-' when negative, nothing else.
Text formatInt(std::int32_t value);

std::int32_t textByteLength(std::string_view text);

Text joinTexts(std::initializer_list<std::string_view> texts);

// 1-based byte position of the first match of `wanted` that starts on a
// character boundary, or -1. An empty `wanted` is found at 1 in any non-empty
// text and nowhere in the empty text.
std::int32_t findSubtext(std::string_view text, std::string_view wanted);

// `count` spaces; the empty text for a count of 0 or less.
Text spaceText(std::int32_t count);

// The one-byte text of `code`; code 0 gives the empty text.
Text textOfByte(std::uint8_t code);

// The entry address of one of the program's own routines, pointer-wide.
template <typename Result, typename... Args>
std::uintptr_t routineAddress(Result (*routine)(Args...)) {
  return reinterpret_cast<std::uintptr_t>(routine);
}

}  // namespace orvalek
