#include "core/layout/ResultLayout.h"

namespace eboard::layout {

namespace {
constexpr double kButtonWidth = 235;
constexpr double kButtonHeight = 34;
constexpr double kButtonGap = 121;
} // namespace

std::int32_t resultHintCode(std::int32_t edgeErr, std::int32_t isEdgeMax) {
    if (edgeErr == 0) {
        return 2;
    }
    return isEdgeMax != 0 ? 0 : 1;
}

std::string resultPictureKey(std::int32_t areaErr, std::int32_t edgeErr, std::int32_t isEdgeMax) {
    static constexpr const char* kGradedSuffix[] = {"-2t", "-3ct", "-1c"};
    static constexpr const char* kDefaultSuffix[] = {"-t", "-ct", "-c"};
    const std::int32_t code = resultHintCode(edgeErr, isEdgeMax);
    std::string key;
    switch (areaErr) {
    case 1:
        key = "SCPD_3";
        break;
    case 2:
        key = "SCPD_4";
        break;
    case 3:
        key = "SCPD_5";
        break;
    default:
        return std::string("SCPD_3") + kDefaultSuffix[code] + ".png";
    }
    return key + kGradedSuffix[code] + ".png";
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
