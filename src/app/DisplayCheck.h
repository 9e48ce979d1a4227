#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace eboard {

// Why no graphical display can be used, or nothing when one can. platform is the Qt
// platform chosen (-platform, else QT_QPA_PLATFORM), display the X display (-display,
// else DISPLAY). Only the X11 case is probed (by opening the display); a Wayland session
// or another explicit platform is left to Qt.
std::optional<std::string> displayProblem(const std::optional<std::string>& platform,
                                          const std::optional<std::string>& display);

// In a Wayland session with XWayland (DISPLAY and WAYLAND_DISPLAY set) where nothing chose
// a platform: only Qt's xcb platform can place the full-screen screens on the board output
// and keep them above, so the agent asks Qt for it on its own command line, where its
// children do not inherit it.
bool wantsXWayland(const std::optional<std::string>& platform);

// The platform chosen for Qt: the command line's, else QT_QPA_PLATFORM's.
std::optional<std::string> chosenPlatform(const std::optional<std::string>& commandLine);

} // namespace eboard
