#pragma once

#include <optional>
#include <string>

namespace eboard {

// Why no graphical display can be used, or nothing when one can. Only the X11 case is
// probed (by opening the display); a Wayland session or an explicit QT_QPA_PLATFORM is
// left to Qt.
std::optional<std::string> displayProblem();

} // namespace eboard
