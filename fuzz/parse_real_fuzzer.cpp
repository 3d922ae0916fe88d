// parseReal against the reference reading of the same number grammar.

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "fuzz_input.h"
#include "oplist/text_rules.h"
#include "reference_rules.h"

namespace {

using orvalek::fuzz::check;

// Equal, or one representable step apart.
bool withinOneStep(double actual, double expected) {
  return actual == expected || actual == std::nextafter(expected, INFINITY) ||
         actual == std::nextafter(expected, -INFINITY);
}

void checkReading(double actual, double expected, bool lastBitIsFree, const char* what) {
  const bool holds = lastBitIsFree ? withinOneStep(actual, expected) : actual == expected;
  if (!holds) std::fprintf(stderr, "read %.17g, expected %.17g\n", actual, expected);
  check(holds, what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const orvalek::fuzz::ExactText text(data, size);
  const double actual = orvalek::parseReal(text.view());
  const orvalek::reference::RealReading expected = orvalek::reference::readReal(text.view());

  check(!std::isnan(actual), "parseReal never gives NaN");
  checkReading(actual, expected.value, expected.significantDigits > 17,
               "parseReal agrees with the reference reading");

  // Whatever follows the number is never looked at: the number alone reads the same.
  const orvalek::fuzz::ExactText numberAlone(data, expected.consumedBytes);
  checkReading(orvalek::parseReal(numberAlone.view()), actual, false,
               "the bytes after the number change nothing");
  return 0;
}
