#pragma once

#include <cstdint>

namespace eboard {

// Size of the main display in whole pixels.
struct ScreenGeometry {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

} // namespace eboard
