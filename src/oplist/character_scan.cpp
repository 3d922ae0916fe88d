#include "oplist/character_scan.h"

#include <cstdint>
#include <cstring>

namespace orvalek::detail {
namespace {

constexpr std::uint64_t kEveryByte = 0x0101010101010101ULL;
constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

// True when one of the eight bytes of `word` is a lead byte or equals the
// byte whose copies fill `pattern`: only such a byte can end a plain ASCII
// run or start a match, so words without one are skipped whole.
bool holdsCandidate(std::uint64_t word, std::uint64_t pattern) {
  const std::uint64_t equal = word ^ pattern;
  const std::uint64_t zeroByte = (equal - kEveryByte) & ~equal & kHighBits;
  return ((word & kHighBits) | zeroByte) != 0;
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
      if (!holdsCandidate(word, pattern)) {
        pos += sizeof word;
        continue;
      }
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
