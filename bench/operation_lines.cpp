#include "operation_lines.h"

#include <string>

namespace orvalek::bench {

Text operationLines(std::int64_t lineCount, LineWidth width) {
  const bool wide = width == LineWidth::Wide;
  // Coordinates of a fixed number of digits keep every line the same length.
  const std::int64_t firstCoordinate = wide ? 1000 : 100;
  const char* rest = wide ? ",0,0,1.5,0\r\n" : ",0,0,1,0\r\n";
  Text text;
  text.reserve(static_cast<std::size_t>(lineCount) * (wide ? 21 : 17));
  for (std::int64_t i = 0; i < lineCount; ++i) {
    text += std::to_string(firstCoordinate + i % 900);
    text += ',';
    text += std::to_string(firstCoordinate + i % 800);
    text += rest;
  }
  return text;
}

}  // namespace orvalek::bench
