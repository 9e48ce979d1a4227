#include "core/layout/DialogLayout.h"

namespace eboard::layout {

namespace {
constexpr double kStopTextWidth = 512.0;
constexpr double kStopContentHeight = 96.0;
constexpr double kStopTitleHeight = 90.0;
constexpr double kStopButtonWidth = 115.0;
constexpr double kStopButtonHeight = 31.0;
constexpr double kStopButtonGap = 14.0;
constexpr double kStopButtonDrop = 60.0;

constexpr double kPictureButtonWidth = 235.0;
constexpr double kPictureButtonHeight = 34.0;
constexpr double kPictureButtonGap = 121.0;

ButtonPair pictureButtons(PointD anchor, double rise) {
    // The buttons' frames were laid out as anchor.y - 50 + 34 + rise; kept in that form
    // so the figures match the pictures drawn for them.
    const double y = anchor.y - 50.0 + kPictureButtonHeight + rise;
    return {{anchor.x, y, kPictureButtonWidth, kPictureButtonHeight},
            {anchor.x + kPictureButtonWidth + kPictureButtonGap, y, kPictureButtonWidth,
             kPictureButtonHeight}};
}
} // namespace

StopDialog stopDialog(std::int32_t screenWidth, std::int32_t screenHeight) {
    // Halve in integers first: an odd screen width must not move the block by half a pixel.
    const double x0 = static_cast<double>(screenWidth / 2 - 256);
    const double y0 = static_cast<double>(screenHeight / 2 - 93);
    StopDialog dialog;
    dialog.content = {x0, y0, kStopTextWidth, kStopContentHeight};
    dialog.title = {x0, y0 + kStopContentHeight, kStopTextWidth, kStopTitleHeight};
    dialog.leastDrawPoint = {x0 + kStopTextWidth, y0};
    const ButtonPair buttons = stopDialogButtons(dialog.leastDrawPoint);
    dialog.yesButton = buttons.type1;
    dialog.noButton = buttons.type0;
    return dialog;
}

ButtonPair stopDialogButtons(PointD p) {
    return {{p.x - 2 * kStopButtonWidth - kStopButtonGap, p.y - kStopButtonDrop, kStopButtonWidth,
             kStopButtonHeight},
            {p.x - kStopButtonWidth, p.y - kStopButtonDrop, kStopButtonWidth, kStopButtonHeight}};
}

PointD pictureDialogAnchor(std::int32_t screenWidth, std::int32_t screenHeight) {
    return {static_cast<double>(screenWidth / 2 - 295),
            static_cast<double>(screenHeight / 2 - 270)};
}

ButtonPair excellentDialogButtons(PointD anchor) {
    return pictureButtons(anchor, 197.0);
}

ButtonPair cameraPositionDialogButtons(PointD anchor) {
    return pictureButtons(anchor, 44.0);
}

RectD centredPicture(std::int32_t screenWidth, std::int32_t screenHeight, double pictureWidth,
                     double pictureHeight, double shift) {
    return {static_cast<double>(screenWidth / 2) - pictureWidth * 0.5,
            static_cast<double>(screenHeight / 2) - pictureHeight * 0.5 + shift, pictureWidth,
            pictureHeight};
}

double excellentPictureShift(std::int32_t localeID) {
    return localeID >= 1 && localeID <= 4 ? 9.0 : 0.0;
}

} // namespace eboard::layout
