#pragma once
// The board screen: the output the projector shows and the pen camera watches. Every
// calibration window asks here, and the pointer's geometry comes from here.

#include "core/layout/BoardGeometry.h"

#include <QRect>
#include <string>
#include <vector>

class QScreen;

namespace eboard {

// Which output is the board: "primary" (or empty) for the primary screen, else an output
// name. A name no screen has falls back to the primary screen, said once in the log.
void setBoardOutputChoice(std::string choice);
const std::string& boardOutputChoice();

// Every screen as an output, in the toolkit's order.
std::vector<layout::OutputGeometry> desktopOutputs();

// The board screen, or null when the platform has no screen at all.
QScreen* boardScreen();

// Its geometry in logical pixels (an empty rectangle without a screen).
QRect boardScreenGeometry();

// Takes its size into the shared state (screenWidth, screenHeight; 0 x 0 without a
// screen), where the calibration windows and the pen read it.
void takeBoardScreenSize();

// The board screen and the whole desktop in device pixels, for the pointer back ends.
layout::BoardGeometry boardPointerGeometry();

} // namespace eboard
