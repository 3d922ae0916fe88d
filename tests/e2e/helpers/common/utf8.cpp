#include "common/utf8.h"

#include <windows.h>

namespace e2e {

std::string toUtf8(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int wideLength = static_cast<int>(wide.size());
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, utf8.data(), size, nullptr, nullptr);
  return utf8;
}

std::wstring fromUtf8(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int utf8Length = static_cast<int>(utf8.size());
  const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), utf8Length, nullptr, 0);
  std::wstring wide(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), utf8Length, wide.data(), size);
  return wide;
}

}  // namespace e2e
