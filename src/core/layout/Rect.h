#pragma once

#include "core/base/Point.h"

namespace eboard::layout {

// A rectangle in screen coordinates of the calibration windows: origin bottom-left,
// y up, (x, y) is the bottom-left corner.
struct RectD {
    double x = 0.0;
    double y = 0.0;
    double width = 0.0;
    double height = 0.0;
    friend bool operator==(const RectD&, const RectD&) = default;
};

// The same rectangle with its origin at the top-left and y down, for a view of
// viewHeight: the one conversion between the two systems.
inline RectD toTopDown(const RectD& r, double viewHeight) {
    return {r.x, viewHeight - r.y - r.height, r.width, r.height};
}

inline PointD toTopDown(const PointD& p, double viewHeight) {
    return {p.x, viewHeight - p.y};
}

} // namespace eboard::layout
