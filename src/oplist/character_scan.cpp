#include "oplist/character_scan.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace orvalek::detail {
namespace {

constexpr std::uint64_t kEveryByte = 0x0101010101010101ULL;
constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

// Marks, by its high bit, each byte of `word` that is a lead byte or equals
// the byte whose copies fill `pattern`: only such a byte can end a plain
// ASCII run or start a match. Above the lowest true mark a borrow may set a
// false one, which only makes the scan stop early.
std::uint64_t candidateMarks(std::uint64_t word, std::uint64_t pattern) {
  const std::uint64_t equal = word ^ pattern;
  const std::uint64_t zeroByte = (equal - kEveryByte) & ~equal & kHighBits;
  return (word & kHighBits) | zeroByte;
}

// How many plain bytes, in memory order, precede the first marked one.
std::size_t plainBytesBefore(std::uint64_t marks) {
  const int bit = std::endian::native == std::endian::little ? std::countr_zero(marks)
                                                             : std::countl_zero(marks);
  return static_cast<std::size_t>(bit / 8);
}

}  // namespace

std::size_t findAtCharacterStart(std::string_view text, std::size_t from, std::string_view wanted) {
  if (wanted.empty() || text.size() < wanted.size()) {
    return std::string_view::npos;
  }
  const char* const data = text.data();
  const char first = wanted.front();
  // Past `lastStart` too few bytes remain for a match; what lies there no
  // longer matters.
  const std::size_t lastStart = text.size() - wanted.size();
  const std::uint64_t pattern = kEveryByte * static_cast<unsigned char>(first);

  std::size_t pos = from;
  while (pos <= lastStart) {
    if (lastStart - pos >= sizeof(std::uint64_t)) {
      std::uint64_t word = 0;
      std::memcpy(&word, data + pos, sizeof word);
      const std::uint64_t marks = candidateMarks(word, pattern);
      if (marks == 0) {
        pos += sizeof word;
        continue;
      }
      pos += plainBytesBefore(marks);
    }
    const char byte = data[pos];
    if (byte == first && std::memcmp(data + pos, wanted.data(), wanted.size()) == 0) {
      return pos;
    }
    pos += isLeadByte(byte) ? 2 : 1;
  }
  return std::string_view::npos;
}

}  // namespace orvalek::detail
