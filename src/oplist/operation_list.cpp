#include "oplist/operation_list.h"

#include <cstddef>

namespace orvalek {
namespace {

constexpr std::size_t kFieldCount = 6;

}  // namespace

OperationList splitOperationList(std::string_view listText) {
  return OperationList{splitOnDelimiter(listText, "\r\n")};
}

std::optional<OperationEntry> parseOperation(const OperationList& list, std::int32_t lineNumber) {
  if (lineNumber < 1 || lineNumber > list.count()) {
    return std::nullopt;
  }
  const TextList fields =
      splitOnDelimiter(list.lines[static_cast<std::size_t>(lineNumber - 1)], ",");
  if (fields.size() < kFieldCount) {
    return std::nullopt;
  }
  OperationEntry entry;
  entry.x = realToInt32(parseReal(fields[0]));
  entry.y = realToInt32(parseReal(fields[1]));
  entry.hours = parseReal(fields[2]);
  entry.minutes = parseReal(fields[3]);
  entry.seconds = parseReal(fields[4]);
  entry.clickKind = realToInt32(parseReal(fields[5]));
  entry.delayMs = operationDelayMs(entry.hours, entry.minutes, entry.seconds);
  return entry;
}

std::int32_t operationDelayMs(double hours, double minutes, double seconds) {
  const double fromSeconds = seconds * 1000.0;
  const double fromMinutes = minutes * 60000.0;
  const double fromHours = hours * 3600000.0;
  const double sum = (fromSeconds + fromMinutes) + fromHours;
  return realToInt32(sum);
}

}  // namespace orvalek
