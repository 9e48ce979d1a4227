#pragma once

namespace eboard {

// Solves the pen-to-screen mapping from the captured and the target points, stores
// the record and its archive, returns to pointer mode and posts "CalibrateFinish".
void completeCalibration();

} // namespace eboard
