#pragma once

// List texts of a chosen size, as a user would have built them with the add
// action.

#include <cstdint>

#include "oplist/text_rules.h"

namespace orvalek::bench {

enum class LineWidth {
  // "XXX,YYY,0,0,1,0" and CR LF, 17 bytes: a line short enough for the
  // standard library to keep inside the string object itself.
  Short,
  // "XXXX,YYYY,0,0,1.5,0" and CR LF, 21 bytes: every line needs a block of
  // its own on the heap.
  Wide,
};

Text operationLines(std::int64_t lineCount, LineWidth width = LineWidth::Short);

}  // namespace orvalek::bench
