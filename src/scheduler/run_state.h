#pragma once

#include <cstdint>

#include "oplist/operation_list.h"

namespace orvalek {

// The scheduler's one state record. Whether a run is on is not kept here:
// it is the interval of 时钟1.
struct RunState {
  OperationList lines;           // taken from the list box at the last start
  std::int32_t lineCount = 0;    // lines.count() at the last start
  std::int32_t currentLine = 0;  // 1-based line whose click is pending
  OperationEntry current;        // parsed entry of currentLine
  std::int32_t nextHour = 0;     // time of the next click as last shown
  std::int32_t nextMinute = 0;
  std::int32_t nextSecond = 0;
};

}  // namespace orvalek
