#pragma once

// The program's texts are code page 936 (GBK) bytes on every system; the
// wide-character API takes UTF-16. These two conversions are the only
// bridge, and they never use the system's own code page.

#include <string>
#include <string_view>

#include "oplist/text_rules.h"

namespace orvalek::win32 {

inline constexpr unsigned kGbkCodePage = 936;

std::wstring widenGbk(std::string_view gbk);
// Characters that code page 936 lacks become '?'.
Text narrowToGbk(std::wstring_view utf16);

}  // namespace orvalek::win32
