#pragma once

// Builds one JSON object on one line: the probe's answer format, which the
// Python side reads with json.loads.

#include <cstdint>
#include <string>
#include <string_view>

namespace e2e {

class JsonObject {
 public:
  JsonObject& add(std::string_view key, std::string_view utf8Text);
  JsonObject& add(std::string_view key, const char* utf8Text) {
    return add(key, std::string_view(utf8Text));
  }
  JsonObject& add(std::string_view key, std::int64_t number);
  JsonObject& add(std::string_view key, int number) {
    return add(key, static_cast<std::int64_t>(number));
  }
  JsonObject& add(std::string_view key, double number);
  JsonObject& add(std::string_view key, bool flag);
  // `json` is already JSON: an object or an array built elsewhere.
  JsonObject& addRaw(std::string_view key, std::string_view json);

  std::string str() const { return "{" + body_ + "}"; }

 private:
  void addKey(std::string_view key);

  std::string body_;
};

// A JSON string literal for UTF-8 text, quotes included.
std::string jsonString(std::string_view utf8Text);

}  // namespace e2e
