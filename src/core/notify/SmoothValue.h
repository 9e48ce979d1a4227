#pragma once

#include "core/notify/DistributedCenter.h"

#include <cstdint>

namespace eboard {

// The smoothing length carried by "SetSmoothValue": the integer value of "smoothvalue",
// read from a decimal text the way Foundation's integerValue reads it, or from a number
// (reals truncated toward zero). A missing key or a text without leading digits gives 0.
// Values beyond 32 bits saturate. Nothing else is refused: the stroke smoothing itself
// treats a window below 1 as 1.
std::int32_t smoothValueOf(const UserInfo& userInfo);

} // namespace eboard
