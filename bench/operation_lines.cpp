#include "operation_lines.h"

namespace orvalek::bench {

Text operationLines(std::int64_t lineCount) {
  Text text;
  text.reserve(static_cast<std::size_t>(lineCount) * 17);
  for (std::int64_t i = 0; i < lineCount; ++i) {
    // Three-digit coordinates keep every line the same length.
    text += std::to_string(100 + i % 900);
    text += ',';
    text += std::to_string(200 + i % 800);
    text += ",0,0,1,0\r\n";
  }
  return text;
}

}  // namespace orvalek::bench
