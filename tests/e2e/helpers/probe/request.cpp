#include "probe/request.h"

#include <charconv>

#include "common/utf8.h"

namespace e2e {
namespace {

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  throw RequestError("bad hex digit");
}

}  // namespace

Request parseRequest(std::string_view line) {
  Request request;
  size_t start = 0;
  while (start <= line.size()) {
    size_t end = line.find(' ', start);
    if (end == std::string_view::npos) end = line.size();
    if (end > start) {
      std::string token(line.substr(start, end - start));
      if (request.name.empty()) {
        request.name = std::move(token);
      } else {
        request.args.push_back(std::move(token));
      }
    }
    start = end + 1;
  }
  return request;
}

std::int64_t Request::integer(size_t index) const {
  if (index >= args.size()) throw RequestError("missing argument");
  const std::string& token = args[index];
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
  if (error != std::errc() || end != token.data() + token.size()) {
    throw RequestError(std::string("not a number: ").append(token));
  }
  return value;
}

HWND Request::window(size_t index) const {
  return reinterpret_cast<HWND>(static_cast<std::intptr_t>(integer(index)));
}

std::wstring Request::text(size_t index) const {
  if (index >= args.size()) throw RequestError("missing argument");
  const std::string& token = args[index];
  if (token.empty() || token[0] != 'x' || token.size() % 2 == 0) {
    throw RequestError("a text argument is x and an even count of hex digits");
  }
  std::string utf8;
  utf8.reserve(token.size() / 2);
  for (size_t i = 1; i < token.size(); i += 2) {
    utf8 += static_cast<char>(hexDigit(token[i]) * 16 + hexDigit(token[i + 1]));
  }
  return fromUtf8(utf8);
}

}  // namespace e2e
