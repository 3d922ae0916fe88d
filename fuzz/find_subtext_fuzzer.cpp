// findSubtext against a naive scan that steps over whole characters.
// Input: a length byte for the wanted text (its value modulo 8), the wanted
// text, then the text searched.

#include <cstdint>
#include <cstdio>

#include "fuzz_input.h"
#include "oplist/text_rules.h"
#include "reference_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orvalek::fuzz::InputReader input(data, size);
  const orvalek::fuzz::ExactText wanted = input.takeText(input.takeByte() % 8u);
  const orvalek::fuzz::ExactText text = input.takeRest();

  const std::int32_t actual = orvalek::findSubtext(text.view(), wanted.view());
  const std::int32_t expected = orvalek::reference::find(text.view(), wanted.view());
  if (actual != expected) std::fprintf(stderr, "found at %d, expected %d\n", actual, expected);
  orvalek::fuzz::check(actual == expected, "findSubtext agrees with the naive scan");
  return 0;
}
