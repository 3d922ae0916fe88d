#include "common/json_writer.h"

#include <cstdio>

namespace e2e {

std::string jsonString(std::string_view utf8Text) {
  std::string out = "\"";
  for (const char c : utf8Text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  out += '"';
  return out;
}

void JsonObject::addKey(std::string_view key) {
  if (!body_.empty()) body_ += ',';
  body_ += jsonString(key);
  body_ += ':';
}

JsonObject& JsonObject::add(std::string_view key, std::string_view utf8Text) {
  addKey(key);
  body_ += jsonString(utf8Text);
  return *this;
}

JsonObject& JsonObject::add(std::string_view key, std::int64_t number) {
  addKey(key);
  body_ += std::to_string(number);
  return *this;
}

JsonObject& JsonObject::add(std::string_view key, double number) {
  addKey(key);
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", number);
  body_ += text;
  return *this;
}

JsonObject& JsonObject::add(std::string_view key, bool flag) {
  addKey(key);
  body_ += flag ? "true" : "false";
  return *this;
}

JsonObject& JsonObject::addRaw(std::string_view key, std::string_view json) {
  addKey(key);
  body_ += json;
  return *this;
}

}  // namespace e2e
