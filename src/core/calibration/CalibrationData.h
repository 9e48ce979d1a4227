#pragma once

#include "core/base/Point.h"
#include "core/pen/ProjectiveMapping.h"

#include <array>
#include <cstdint>

namespace eboard {

class SettingData;

// The four calibration targets for a screen of width w and height h, in screen
// coordinates (origin bottom-left, y up): 0 top-left, 1 bottom-left, 2 top-right,
// 3 bottom-right, each a tenth of the screen in from its edges.
std::array<PointD, 4> screenTargets(std::int32_t width, std::int32_t height);

// The raw points of targets 0, 1, 2, 3 taken from a record's slots (0, 2, 1, 3).
Quad rawQuadInTargetOrder(const SettingData& data);

// Lays out the targets for the shared state's screen size into ScreenCalibratePoint
// and rebuilds the pen-to-screen mapping from the stored raw points.
void initCalibrateData();

} // namespace eboard
