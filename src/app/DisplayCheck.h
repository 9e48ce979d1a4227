#pragma once

#include <optional>
#include <string>

namespace eboard {

// Why no graphical display can be used, or nothing when one can. Only the X11 case is
// probed (by opening the display), also when QT_QPA_PLATFORM asks for xcb; a Wayland
// session or another explicit platform is left to Qt.
std::optional<std::string> displayProblem();

} // namespace eboard
