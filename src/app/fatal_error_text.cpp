#include "app/fatal_error_text.h"

#include <string>

#include "ui/gbk_texts.h"

namespace orvalek {

Text composeFatalErrorText(std::int32_t code, std::string_view message) {
  Text text(texts::kErrorHeading);
  if (code != 0) text += joinTexts({texts::kErrorCodePrefix, formatInt(code), "\r\n"});
  if (!message.empty()) text += joinTexts({texts::kErrorMessagePrefix, message, "\r\n"});
  return text;
}

Text allocationFailureMessage(std::size_t bytes) {
  return joinTexts(
      {texts::kAllocationFailedPrefix, std::to_string(bytes), texts::kAllocationFailedSuffix});
}

}  // namespace orvalek
