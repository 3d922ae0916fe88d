#pragma once

// List texts of a chosen size, as a user would have built them with the add
// action: "X,Y,0,0,1,0" and CR LF, 17 bytes a line.

#include <cstdint>

#include "oplist/text_rules.h"

namespace orvalek::bench {

Text operationLines(std::int64_t lineCount);

}  // namespace orvalek::bench
