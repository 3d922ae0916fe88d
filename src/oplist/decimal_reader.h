#pragma once

// The number reader behind parseReal: full-width normalisation on the fly,
// the decimal grammar scanned by hand, and a correctly rounded conversion
// that never depends on the locale.

#include <string_view>

namespace orvalek::detail {

double readDecimal(std::string_view text);

}  // namespace orvalek::detail
