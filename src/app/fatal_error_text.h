#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "oplist/text_rules.h"

namespace orvalek {

// The text of the fatal error box: the heading, then the code when it is not
// 0, then the message when it is not empty, each on lines of its own.
Text composeFatalErrorText(std::int32_t code, std::string_view message);

// "分配 n 字节内存失败!" with the size in decimal, however large.
Text allocationFailureMessage(std::size_t bytes);

}  // namespace orvalek
