#pragma once

// UTF-8 on the pipes and in the log files, UTF-16 at the Win32 calls.

#include <string>
#include <string_view>

namespace e2e {

std::string toUtf8(std::wstring_view wide);
std::wstring fromUtf8(std::string_view utf8);

}  // namespace e2e
