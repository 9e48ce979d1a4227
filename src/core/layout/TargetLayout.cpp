#include "core/layout/TargetLayout.h"

namespace eboard::layout {

CentredTextBlock centredTextBlock(std::int32_t width, std::int32_t height) {
    const double x0 = width / 2 - 256;
    const double y0 = height / 2 - 93;
    return {RectD{x0, y0, 512, 96}, RectD{x0, y0 + 96, 512, 90}};
}

RectD centredOn(PointD centre, double pictureWidth, double pictureHeight) {
    return {centre.x - pictureWidth / 2, centre.y - pictureHeight / 2, pictureWidth, pictureHeight};
}

} // namespace eboard::layout
