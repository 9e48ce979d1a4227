#pragma once
// The mouse cursor as one process-wide counted state: every hide needs its show, and a
// show with nothing hidden does nothing, so the count never goes negative and a stray
// show cannot unhide what another window hid twice.

namespace eboard {

void hideCursor();
void showCursor();
// Shows the cursor however often it was hidden.
void restoreCursor();
// How many hides are outstanding (0: the cursor is visible).
int cursorHideCount();

} // namespace eboard
