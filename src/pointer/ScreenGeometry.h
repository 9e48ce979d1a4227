#pragma once

#include "core/layout/BoardGeometry.h"

#include <cstdint>

namespace eboard {

// A desktop of one output at scale 1: width x height pixels.
struct ScreenGeometry {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

inline layout::BoardGeometry boardGeometryOf(ScreenGeometry screen) {
    return layout::singleOutputGeometry(screen.width, screen.height);
}

} // namespace eboard
