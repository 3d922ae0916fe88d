#pragma once

// The operation list: one operation per line, "X,Y,hours,minutes,seconds,kind"
// ended by CR LF, kept only in the list box of the main window.

#include <cstdint>
#include <optional>
#include <string_view>

#include "oplist/text_rules.h"

namespace orvalek {

class ControlProperties;

// The lines of the list box, cut at CR LF when a run starts; never changed
// afterwards.
struct OperationList {
  TextList lines;

  std::int32_t count() const { return static_cast<std::int32_t>(lines.size()); }
};

// One parsed line. The reals keep the fields as read (fractions included):
// the next-click clock works from them, not from delayMs.
struct OperationEntry {
  std::int32_t delayMs = 0;
  std::int32_t x = 0;
  std::int32_t y = 0;
  double hours = 0.0;
  double minutes = 0.0;
  double seconds = 0.0;
  std::int32_t clickKind = 0;

  friend bool operator==(const OperationEntry&, const OperationEntry&) = default;
};

OperationList splitOperationList(std::string_view listText);

// The entry of line `lineNumber` (from 1); none when the number lies outside
// the list or the line has fewer than six fields.
std::optional<OperationEntry> parseOperation(const OperationList& list, std::int32_t lineNumber);

// The wait in milliseconds, computed step by step in doubles and wrapped to
// 32 bits as the number rules say.
std::int32_t operationDelayMs(double hours, double minutes, double seconds);

// The add action: appends "X,Y,hours,minutes,seconds,kind" and CR LF, built
// from the entry boxes' texts unchanged, to the list box.
void appendOperation(ControlProperties& controls);

}  // namespace orvalek
