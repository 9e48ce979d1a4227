#include "core/layout/ResultLayout.h"

namespace eboard::layout {

namespace {
constexpr double kButtonWidth = 235;
constexpr double kButtonHeight = 34;
constexpr double kButtonGap = 121;
} // namespace

HintCode resultHintCode(std::int32_t edgeErr, std::int32_t isEdgeMax) {
    if (edgeErr == 0) {
        return HintCode::EdgesFine;
    }
    return isEdgeMax != 0 ? HintCode::LongEdge : HintCode::UnequalEdges;
}

std::string_view resultPictureKey(std::int32_t areaErr, std::int32_t edgeErr,
                                  std::int32_t isEdgeMax) {
    return resultPicture(gradeClassOf(areaErr), resultHintCode(edgeErr, isEdgeMax));
}

double languageShift(std::int32_t localeID) {
    return localeID >= 1 && localeID <= 4 ? 10.0 : 0.0;
}

RectD resultPictureRect(std::int32_t width, std::int32_t height, double pictureWidth,
                        double pictureHeight, std::int32_t localeID) {
    const double halfWidth = width / 2;
    const double halfHeight = height / 2;
    return {halfWidth - pictureWidth / 2, halfHeight - pictureHeight / 2 + languageShift(localeID),
            pictureWidth, pictureHeight};
}

PointD resultAnchor(std::int32_t width, std::int32_t height) {
    return {double(width / 2 - 295), double(height / 2 - 270)};
}

ResultButtons resultButtons(PointD anchor) {
    const double y = anchor.y - 50 + kButtonHeight;
    return {RectD{anchor.x, y, kButtonWidth, kButtonHeight},
            RectD{anchor.x + kButtonWidth + kButtonGap, y, kButtonWidth, kButtonHeight}};
}

} // namespace eboard::layout
