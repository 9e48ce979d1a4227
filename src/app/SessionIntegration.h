#pragma once

namespace eboard {

// The counterpart of making scroll bars always visible for the whole session: turns
// GNOME's overlay scrolling off with "gsettings set org.gnome.desktop.interface
// overlay-scrolling false". Started without waiting; false when gsettings is not on
// the PATH or could not start. Its outcome is not examined.
bool showScrollBarsAlways();

} // namespace eboard
