#pragma once

#include "core/base/Point.h"
#include "core/layout/Rect.h"

#include <cstdint>

namespace eboard::layout {

// The stop-confirmation dialog on a screen of width x height: its two drawn text blocks,
// the anchor below the content block and the two buttons placed from that anchor.
struct StopDialog {
    RectD content;
    RectD title;
    PointD leastDrawPoint; // right end of the content block's bottom edge
    RectD yesButton;
    RectD noButton;
};
StopDialog stopDialog(std::int32_t screenWidth, std::int32_t screenHeight);

// A dialog's two buttons.
struct ButtonPair {
    RectD type0; // the negative or secondary choice
    RectD type1; // the affirmative or primary choice
};

// The stop-confirmation dialog's buttons from its anchor (No left, Yes right).
ButtonPair stopDialogButtons(PointD leastDrawPoint);

// The anchor of the full-screen picture dialogs' buttons, below the screen's centre.
PointD pictureDialogAnchor(std::int32_t screenWidth, std::int32_t screenHeight);

// The diagnosis-excellent dialog's buttons (retry, finish) from the anchor.
ButtonPair excellentDialogButtons(PointD anchor);
// The camera-position dialog's buttons (cancel, go on) from the anchor.
ButtonPair cameraPositionDialogButtons(PointD anchor);

// A picture of its natural size centred on the screen, raised by shift.
RectD centredPicture(std::int32_t screenWidth, std::int32_t screenHeight, double pictureWidth,
                     double pictureHeight, double shift);

// How far the excellent dialog's picture is raised for localeID: the translated pictures
// sit 9 higher than the English one.
double excellentPictureShift(std::int32_t localeID);

} // namespace eboard::layout
