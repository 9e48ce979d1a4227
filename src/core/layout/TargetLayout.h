#pragma once

#include "core/base/Point.h"
#include "core/layout/Rect.h"

#include <cstdint>

namespace eboard::layout {

// The text block in the middle of a screen of width w and height h, shared by the
// target screen and the stop confirmation: body below, title directly above it. The
// halves are integer divisions.
struct CentredTextBlock {
    RectD body;  // 512 x 96
    RectD title; // 512 x 90
};

CentredTextBlock centredTextBlock(std::int32_t width, std::int32_t height);

// A picture of its own size centred on a point (the crosshair on its target).
RectD centredOn(PointD centre, double pictureWidth, double pictureHeight);

} // namespace eboard::layout
