#pragma once

#include "core/notify/DistributedCenter.h"
#include "core/pen/Smoothing.h"

#include <cstdint>
#include <string>
#include <variant>

namespace eboard {

// The smoothing length carried by "SetSmoothValue": the integer value of "smoothvalue",
// read from a decimal text the way Foundation's integerValue reads it, or from a number
// (reals truncated toward zero). A missing key or a text without leading digits gives 0.
// Values beyond 32 bits saturate. Nothing else is refused: the stroke smoothing itself
// treats a window below 1 as 1.
std::int32_t smoothValueOf(const UserInfo& userInfo);

// The smoothing a "SetSmoothMode" command chooses, starting from the one in use: "mode"
// must name a mode; "mincutoff" and "beta", when there, must be usable numbers (or decimal
// texts). A command that cannot be followed changes nothing: the error says why.
std::variant<SmoothingChoice, std::string> smoothModeOf(const UserInfo& userInfo,
                                                        const SmoothingChoice& current);

} // namespace eboard
