// splitOnDelimiter against the reference split, and the join that undoes it.
// Input: a mode byte ('0' CR LF, '1' comma, '2' a delimiter of 1 to 3 bytes
// taken from the input after a length byte), then the text.

#include <cstdint>
#include <string>

#include "fuzz_input.h"
#include "oplist/text_rules.h"
#include "reference_rules.h"

namespace {

using orvalek::fuzz::check;

std::string joinWith(const orvalek::TextList& members, std::string_view delimiter) {
  std::string joined;
  for (std::size_t i = 0; i < members.size(); ++i) {
    if (i > 0) joined += delimiter;
    joined += members[i];
  }
  return joined;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orvalek::fuzz::InputReader input(data, size);
  std::string delimiter;
  switch (input.takeByte() % 3) {
    case 0:
      delimiter = "\r\n";
      break;
    case 1:
      delimiter = ",";
      break;
    default:
      delimiter = std::string(input.takeText(1u + input.takeByte() % 3u).view());
      if (delimiter.empty()) return 0;  // the program never splits at nothing
  }
  const orvalek::fuzz::ExactText text = input.takeRest();
  const std::string_view whole = text.view();

  const orvalek::TextList members = orvalek::splitOnDelimiter(whole, delimiter);
  check(members == orvalek::reference::split(whole, delimiter),
        "splitOnDelimiter agrees with the reference split");
  check(members.empty() == whole.empty(), "only the empty text gives no member");

  const std::string joined = joinWith(members, delimiter);
  check(joined == whole || joined + delimiter == whole,
        "joining the members gives back the text less a final delimiter");
  for (const orvalek::Text& member : members) {
    check(orvalek::reference::find(member, delimiter) == -1,
          "no member holds the delimiter at a character start");
  }
  return 0;
}
