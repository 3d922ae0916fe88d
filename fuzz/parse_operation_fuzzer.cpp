// The list text cut into lines and every line parsed, against the reference
// split and the field rules: an entry exactly when a line has six or more
// fields, each field read by parseReal, the wait computed step by step.

#include <cstdint>
#include <limits>
#include <optional>

#include "fuzz_input.h"
#include "oplist/operation_list.h"
#include "oplist/text_rules.h"
#include "reference_rules.h"

namespace {

using orvalek::fuzz::check;
namespace reference = orvalek::reference;

// Beyond this many lines a longer input teaches the fuzzer nothing new.
constexpr std::int32_t kLinesChecked = 64;

void checkLine(const orvalek::OperationList& list, std::int32_t lineNumber) {
  const std::optional<orvalek::OperationEntry> entry = orvalek::parseOperation(list, lineNumber);
  const orvalek::TextList fields =
      reference::split(list.lines[static_cast<std::size_t>(lineNumber - 1)], ",");
  check(entry.has_value() == (fields.size() >= 6), "an entry exactly when six or more fields");
  if (!entry) return;

  const double hours = orvalek::parseReal(fields[2]);
  const double minutes = orvalek::parseReal(fields[3]);
  const double seconds = orvalek::parseReal(fields[4]);
  check(entry->x == reference::toInt32(orvalek::parseReal(fields[0])), "x is field 1 truncated");
  check(entry->y == reference::toInt32(orvalek::parseReal(fields[1])), "y is field 2 truncated");
  check(entry->hours == hours, "hours is field 3 as read");
  check(entry->minutes == minutes, "minutes is field 4 as read");
  check(entry->seconds == seconds, "seconds is field 5 as read");
  check(entry->clickKind == reference::toInt32(orvalek::parseReal(fields[5])),
        "the click kind is field 6 truncated");
  check(entry->delayMs == reference::delayMs(hours, minutes, seconds),
        "the wait is computed step by step and wrapped to 32 bits");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const orvalek::fuzz::ExactText text(data, size);
  const orvalek::OperationList list = orvalek::splitOperationList(text.view());
  check(list.lines == reference::split(text.view(), "\r\n"), "the list is cut at CR LF");

  for (const std::int32_t outside : {std::numeric_limits<std::int32_t>::min(), -1, 0,
                                     list.count() + 1, std::numeric_limits<std::int32_t>::max()}) {
    check(!orvalek::parseOperation(list, outside), "no entry for a line outside the list");
  }
  for (std::int32_t line = 1; line <= list.count() && line <= kLinesChecked; ++line) {
    checkLine(list, line);
  }
  return 0;
}
