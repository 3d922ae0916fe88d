#pragma once

// Reading a window's whole text in UTF-16, and the GBK byte positions of a
// UTF-16 text.

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvalek::win32 {

std::wstring readWindowText(HWND window);

// The UTF-16 index at which the GBK form of `utf16` reaches `gbkOffset`
// bytes; an offset inside a character counts to its end, one past the end
// to the text's length.
std::size_t utf16IndexOfGbkOffset(std::wstring_view utf16, std::int32_t gbkOffset);

}  // namespace orvalek::win32
