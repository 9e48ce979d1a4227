#pragma once
// The board screen: the output the projector shows and the pen camera watches. Every
// calibration window asks here, so choosing another output later changes one place.

#include <QRect>

class QScreen;

namespace eboard {

// The board screen, or null when the platform has no screen at all.
QScreen* boardScreen();

// Its geometry in logical pixels (an empty rectangle without a screen).
QRect boardScreenGeometry();

} // namespace eboard
