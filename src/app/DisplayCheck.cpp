#include "app/DisplayCheck.h"

#include <X11/Xlib.h>
#include <cstdlib>

namespace eboard {

namespace {
bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

// A platform choice names a list ("xcb", "xcb:arg", "wayland;xcb"): Qt tries the first
// one, and without a display xcb aborts the process instead of failing.
bool firstChoiceIsXcb(std::string_view platform) {
    return platform.substr(0, platform.find_first_of(":;")) == "xcb";
}
} // namespace

std::optional<std::string> chosenPlatform(const std::optional<std::string>& commandLine) {
    if (commandLine) {
        return commandLine;
    }
    if (isSet("QT_QPA_PLATFORM")) {
        return std::string(std::getenv("QT_QPA_PLATFORM"));
    }
    return std::nullopt;
}

bool wantsXWayland(const std::optional<std::string>& platform) {
    return !platform && isSet("WAYLAND_DISPLAY") && isSet("DISPLAY");
}

std::optional<std::string> displayProblem(const std::optional<std::string>& platform,
                                          const std::optional<std::string>& display) {
    if (platform ? !firstChoiceIsXcb(*platform) : isSet("WAYLAND_DISPLAY")) {
        return std::nullopt;
    }
    const std::optional<std::string> name =
        display ? display
                : (isSet("DISPLAY") ? std::optional<std::string>(std::getenv("DISPLAY"))
                                    : std::nullopt);
    if (!name) {
        return "no display: DISPLAY is not set; run it inside a graphical session";
    }
    Display* x = XOpenDisplay(name->c_str());
    if (x == nullptr) {
        return "cannot open display '" + *name + "'";
    }
    XCloseDisplay(x);
    return std::nullopt;
}

} // namespace eboard
