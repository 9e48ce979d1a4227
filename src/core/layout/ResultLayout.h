#pragma once

#include "core/base/Point.h"
#include "core/layout/Pictures.h"
#include "core/layout/Rect.h"

#include <cstdint>
#include <string_view>

namespace eboard::layout {

// The diagnosis result page: one picture chosen by the grade and the edge check, the
// hint code that the camera-position advice reads later, and two buttons below it.

// The advice the edge findings lead to (any edge error non-zero counts as failed).
HintCode resultHintCode(std::int32_t edgeErr, std::int32_t isEdgeMax);

// The picture key for an area grade (1 good, 2 acceptable, 3 poor, else the neutral set).
std::string_view resultPictureKey(std::int32_t areaErr, std::int32_t edgeErr,
                                  std::int32_t isEdgeMax);

// How far the picture moves up for a language: 10 for 1 to 4, else 0.
double languageShift(std::int32_t localeID);

// The picture of its own size centred on the screen, raised by the language shift.
RectD resultPictureRect(std::int32_t width, std::int32_t height, double pictureWidth,
                        double pictureHeight, std::int32_t localeID);

// The anchor below the picture that the buttons hang from.
PointD resultAnchor(std::int32_t width, std::int32_t height);

struct ResultButtons {
    RectD close; // left
    RectD start; // right
};

ResultButtons resultButtons(PointD anchor);

} // namespace eboard::layout
