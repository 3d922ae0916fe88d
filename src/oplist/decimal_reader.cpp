#include "oplist/decimal_reader.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

#include "oplist/character_scan.h"

namespace orvalek::detail {
namespace {

// Walks the text as its full-width normalised form, one character at a time,
// without copying it: the number ends at the first character that cannot
// continue it, so only that prefix is ever looked at.
class NormalisedText {
 public:
  explicit NormalisedText(std::string_view text) : text_(text) { decode(); }

  // The current byte of the normalised text; '\0' at its end. A two-byte
  // character that stays unchanged shows as its lead byte, which no number
  // continues with.
  char current() const { return current_; }

  void advance() {
    pos_ += width_;
    decode();
  }

  // Takes an optional plus or minus sign; true when it was a minus.
  bool takeSign() {
    const char sign = current_;
    if (sign != '+' && sign != '-') {
      return false;
    }
    advance();
    return sign == '-';
  }

 private:
  void decode() {
    width_ = 0;
    current_ = '\0';
    if (pos_ >= text_.size()) {
      return;
    }
    const char byte = text_[pos_];
    if (!isLeadByte(byte)) {
      width_ = 1;
      current_ = byte;
      return;
    }
    if (pos_ + 1 >= text_.size()) {
      return;  // a lead byte with nothing after it is dropped
    }
    width_ = 2;
    current_ = fullWidthToAscii(static_cast<unsigned char>(byte),
                                static_cast<unsigned char>(text_[pos_ + 1]));
  }

  static char fullWidthToAscii(unsigned char lead, unsigned char trail) {
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      return static_cast<char>(trail - 0x80);
    }
    if (lead == 0xA1) {
      switch (trail) {
        case 0xA1:
          return ' ';
        case 0xAB:
          return '~';
        case 0xEE:
        case 0xEF:
          return '*';
        default:
          break;
      }
    }
    return static_cast<char>(lead);
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t width_ = 0;
  char current_ = '\0';
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool isExponentLetter(char c) { return c == 'e' || c == 'E' || c == 'd' || c == 'D'; }

// Bytes for std::from_chars, held inline for ordinary numbers and on the
// heap only for very long ones.
class ConversionText {
 public:
  void push(char c) {
    if (size_ < inline_.size()) {
      inline_[size_] = c;
    } else {
      if (spill_.empty()) {
        spill_.assign(inline_.data(), inline_.size());
      }
      spill_.push_back(c);
    }
    ++size_;
  }

  void append(std::string_view text) {
    for (const char c : text) {
      push(c);
    }
  }

  std::size_t size() const { return size_; }
  const char* begin() const { return spill_.empty() ? inline_.data() : spill_.data(); }
  const char* end() const { return begin() + size_; }

 private:
  std::array<char, 64> inline_;  // only the first size_ bytes are ever read
  std::string spill_;
  std::size_t size_ = 0;
};

// The digits of the number, kept as a significand without leading or
// trailing zeros and a power of ten, so that the text handed to the
// conversion stays short and its exponent small.
class Significand {
 public:
  void addIntegerDigit(char digit) { addDigit(digit); }

  void addFractionDigit(char digit) {
    addDigit(digit);
    ++fractionDigits_;
  }

  // The magnitude times 10^exponent, correctly rounded; infinity beyond the
  // largest double, 0 below the smallest.
  double value(std::int64_t exponent) {
    if (digits_.size() == 0) {
      return 0.0;
    }
    const std::int64_t power = exponent - fractionDigits_ + trailingZeros_;
    // The value lies in [10^(magnitude-1), 10^magnitude).
    const std::int64_t magnitude = power + static_cast<std::int64_t>(digits_.size());
    constexpr std::int64_t kSurelyInfinite = 330;
    constexpr std::int64_t kSurelyZero = -350;
    if (magnitude > kSurelyInfinite) {
      return std::numeric_limits<double>::infinity();
    }
    if (magnitude < kSurelyZero) {
      return 0.0;
    }
    if (const auto exact = exactProduct(power)) {
      return *exact;
    }
    std::array<char, std::numeric_limits<std::int64_t>::digits10 + 3> powerText{};
    powerText[0] = 'e';
    const auto written =
        std::to_chars(powerText.data() + 1, powerText.data() + powerText.size(), power);
    digits_.append(std::string_view(powerText.data(),
                                    static_cast<std::size_t>(written.ptr - powerText.data())));

    double result = 0.0;
    const auto converted =
        std::from_chars(digits_.begin(), digits_.end(), result, std::chars_format::scientific);
    if (converted.ec == std::errc::result_out_of_range) {
      return magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return result;
  }

 private:
  void addDigit(char digit) {
    if (digit == '0') {
      // Leading zeros change nothing; trailing ones only the power of ten.
      if (digits_.size() != 0) {
        ++trailingZeros_;
      }
      return;
    }
    for (; trailingZeros_ > 0; --trailingZeros_) {
      keepDigit('0');
    }
    keepDigit(digit);
  }

  void keepDigit(char digit) {
    digits_.push(digit);
    if (digits_.size() <= kExactDigits) {
      leadingValue_ = leadingValue_ * 10 + static_cast<std::uint64_t>(digit - '0');
    }
  }

  // Most typed numbers have a significand and a power of ten that are both
  // exact doubles; their product or quotient is then rounded once, which is
  // the correctly rounded value, without a conversion of text.
  std::optional<double> exactProduct(std::int64_t power) const {
    constexpr std::int64_t kLargestExactPower = 22;
    if (digits_.size() > kExactDigits || power > kLargestExactPower ||
        power < -kLargestExactPower) {
      return std::nullopt;
    }
    static constexpr std::array<double, kLargestExactPower + 1> kPowersOfTen = {
        1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const auto significand = static_cast<double>(leadingValue_);
    const double scale = kPowersOfTen[static_cast<std::size_t>(power < 0 ? -power : power)];
    return power < 0 ? significand / scale : significand * scale;
  }

  // Up to 10^15 every integer is a double.
  static constexpr std::size_t kExactDigits = 15;

  ConversionText digits_;
  std::uint64_t leadingValue_ = 0;  // the significand while it has kExactDigits or fewer
  std::int64_t trailingZeros_ = 0;
  std::int64_t fractionDigits_ = 0;
};

// Exponents beyond any double's reach saturate here; the magnitude test in
// Significand::value then settles them.
constexpr std::int64_t kExponentLimit = 1'000'000'000'000'000;

}  // namespace

double readDecimal(std::string_view text) {
  NormalisedText in(text);
  while (isBlank(in.current())) {
    in.advance();
  }

  const bool negative = in.takeSign();

  Significand significand;
  bool anyDigit = false;
  for (; isDigit(in.current()); in.advance()) {
    significand.addIntegerDigit(in.current());
    anyDigit = true;
  }
  if (in.current() == '.') {
    in.advance();
    for (; isDigit(in.current()); in.advance()) {
      significand.addFractionDigit(in.current());
      anyDigit = true;
    }
  }
  if (!anyDigit) {
    return 0.0;
  }

  std::int64_t exponent = 0;
  if (isExponentLetter(in.current())) {
    in.advance();
    const bool exponentNegative = in.takeSign();
    // Without a digit the exponent is not taken and the number ends before
    // the letter; the rest of the text is ignored either way.
    for (; isDigit(in.current()); in.advance()) {
      if (exponent < kExponentLimit) {
        exponent = exponent * 10 + (in.current() - '0');
      }
    }
    if (exponentNegative) {
      exponent = -exponent;
    }
  }

  const double magnitude = significand.value(exponent);
  return negative ? -magnitude : magnitude;
}

}  // namespace orvalek::detail
