#pragma once

namespace eboard {

// Solves the pen-to-screen mapping from the captured and the target points, stores
// the record and its archive and returns to pointer mode. Posts "CalibrateFinish" once
// the archive is written, or "CalibrateNotSaved" when it could not be (the reason is in
// the shared state's storeFailure; the new mapping holds until the agent ends).
void completeCalibration();

} // namespace eboard
