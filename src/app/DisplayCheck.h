#pragma once

#include <optional>
#include <string>

namespace eboard {

// Why no graphical display can be used, or nothing when one can. Only the X11 case is
// probed (by opening the display), also when QT_QPA_PLATFORM asks for xcb; a Wayland
// session or another explicit platform is left to Qt.
std::optional<std::string> displayProblem();

// In a Wayland session with XWayland (DISPLAY and WAYLAND_DISPLAY set) and no platform chosen
// by the user, picks Qt's xcb platform: only there can the full-screen screens be placed on
// the board output and kept above. True when it chose.
bool preferXWayland();

} // namespace eboard
