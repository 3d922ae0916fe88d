#include "platform/win32/gbk_conversion.h"

#include <windows.h>

namespace orvalek::win32 {

std::wstring widenGbk(std::string_view gbk) {
  if (gbk.empty()) return {};
  const int size = static_cast<int>(gbk.size());
  const int length = MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), size, nullptr, 0);
  std::wstring utf16(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), size, utf16.data(), length);
  return utf16;
}

Text narrowToGbk(std::wstring_view utf16) {
  if (utf16.empty()) return {};
  const int size = static_cast<int>(utf16.size());
  const int length =
      WideCharToMultiByte(kGbkCodePage, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
  Text gbk(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(kGbkCodePage, 0, utf16.data(), size, gbk.data(), length, nullptr, nullptr);
  return gbk;
}

}  // namespace orvalek::win32
