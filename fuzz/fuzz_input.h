#pragma once

// What every fuzz target needs: the fuzzer's bytes turned into texts the
// program can meet, and a verdict that stops the run loudly.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace orvalek::fuzz {

// A text in its own heap block of exactly its length, so that the address
// sanitizer catches any read past its last byte. Texts never hold a zero
// byte: the input is cut at the first one.
class ExactText {
 public:
  ExactText(const std::uint8_t* data, std::size_t size) {
    std::size_t length = 0;
    while (length < size && data[length] != 0) ++length;
    bytes_ = std::make_unique<char[]>(length);
    for (std::size_t i = 0; i < length; ++i) bytes_[i] = static_cast<char>(data[i]);
    length_ = length;
  }
  std::string_view view() const { return {bytes_.get(), length_}; }

 private:
  std::unique_ptr<char[]> bytes_;
  std::size_t length_ = 0;
};

// Reads the input front to back: a few control bytes, then the rest.
class InputReader {
 public:
  InputReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t takeByte() { return position_ < size_ ? data_[position_++] : 0; }
  ExactText takeText(std::size_t maxLength) {
    const std::size_t length = maxLength < size_ - position_ ? maxLength : size_ - position_;
    ExactText text(data_ + position_, length);
    position_ += length;
    return text;
  }
  ExactText takeRest() { return takeText(size_ - position_); }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t position_ = 0;
};

// An oracle that disagrees is a finding: report it and stop, so that the
// fuzzer saves the input.
inline void check(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "oracle failed: %s\n", what);
  std::abort();
}

}  // namespace orvalek::fuzz
