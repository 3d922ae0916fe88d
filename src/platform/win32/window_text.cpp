#include "platform/win32/window_text.h"

#include "platform/win32/gbk_conversion.h"

namespace orvalek::win32 {

std::wstring readWindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::size_t utf16IndexOfGbkOffset(std::wstring_view utf16, std::int32_t gbkOffset) {
  std::size_t index = 0;
  std::int64_t bytes = 0;
  while (index < utf16.size() && bytes < gbkOffset) {
    const bool pair = IS_HIGH_SURROGATE(utf16[index]) && index + 1 < utf16.size() &&
                      IS_LOW_SURROGATE(utf16[index + 1]);
    const std::size_t units = pair ? 2 : 1;
    bytes += utf16[index] < 0x80
                 ? 1
                 : static_cast<std::int64_t>(narrowToGbk(utf16.substr(index, units)).size());
    index += units;
  }
  return index;
}

}  // namespace orvalek::win32
