#pragma once

// Character steps over GBK byte strings, shared by the rules that may only
// match where a character begins.

#include <cstddef>
#include <string_view>

namespace orvalek::detail {

// A byte of 0x80 or above starts a two-byte character.
constexpr bool isLeadByte(char byte) { return static_cast<unsigned char>(byte) >= 0x80; }

// The byte position of the first occurrence of `wanted` (not empty) that
// starts on a character boundary at or after `from`, itself a character
// boundary; npos when there is none.
std::size_t findAtCharacterStart(std::string_view text, std::size_t from, std::string_view wanted);

}  // namespace orvalek::detail
