#pragma once
// How the agent's windows and drawn buttons appear to assistive technologies, through
// Qt's accessibility (which the desktop reaches over AT-SPI): a window is a dialog (boxed)
// or a window (full screen) named by what it says; a drawn button is a button named by the
// words on its face that a press action answers as a click does.

namespace eboard {

// Registers the interfaces with Qt's accessibility; the first call does it, later calls
// nothing. Needs the application object.
void installAccessibleInterfaces();

} // namespace eboard
