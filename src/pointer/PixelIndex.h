#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

namespace eboard {

// The pixel that holds a display coordinate along an axis of `extent` pixels, clamped to the
// display. Nothing for a non-finite coordinate or an empty axis: the caller then leaves the
// cursor where it is rather than sending it to a corner.
inline std::optional<std::int32_t> pixelIndex(double coordinate, std::int32_t extent) {
    if (!std::isfinite(coordinate) || extent <= 0) {
        return std::nullopt;
    }
    const double last = static_cast<double>(extent - 1);
    return static_cast<std::int32_t>(std::clamp(std::floor(coordinate), 0.0, last));
}

} // namespace eboard
