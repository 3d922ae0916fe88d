#pragma once

// One request to the probe: a command name and its arguments, separated by
// single spaces. Window handles and numbers are decimal; a text argument is
// "x" followed by the hex digits of its UTF-8 bytes, so that any text
// (spaces, line breaks, 300 kB of list) fits on one line.

#include <windows.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace e2e {

class RequestError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Request {
  std::string name;
  std::vector<std::string> args;

  std::int64_t integer(size_t index) const;
  HWND window(size_t index) const;
  std::wstring text(size_t index) const;
};

Request parseRequest(std::string_view line);

}  // namespace e2e
