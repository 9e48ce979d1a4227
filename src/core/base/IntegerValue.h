#pragma once

#include <cstdint>
#include <string_view>

namespace eboard {

// The integer value of a text the way Foundation's integerValue reads it: leading
// white space skipped, an optional sign, then decimal digits up to the first other
// character; no digits gives 0, and values beyond the 64-bit range saturate.
std::int64_t integerValueOfString(std::string_view text);

// Narrows to 32 bits, saturating instead of wrapping.
std::int32_t saturateToInt32(std::int64_t value);

// Truncates toward zero to 32 bits, saturating; NaN gives 0. Float-to-int conversions
// of out-of-range values are undefined in C++, so every such conversion goes here.
std::int32_t truncateToInt32(double value);

} // namespace eboard
