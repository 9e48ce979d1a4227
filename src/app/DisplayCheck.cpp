#include "app/DisplayCheck.h"

#include <X11/Xlib.h>
#include <cstdlib>
#include <string_view>

namespace eboard {

namespace {
bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

// QT_QPA_PLATFORM names a list of choices ("xcb", "xcb:arg", "wayland;xcb"): Qt tries
// the first one, and without a display xcb aborts the process instead of failing.
bool platformChoiceIsXcb() {
    const std::string_view platform = std::getenv("QT_QPA_PLATFORM");
    const std::string_view first = platform.substr(0, platform.find_first_of(":;"));
    return first == "xcb";
}
} // namespace

bool preferXWayland() {
    if (isSet("QT_QPA_PLATFORM") || !isSet("WAYLAND_DISPLAY") || !isSet("DISPLAY")) {
        return false;
    }
    return ::setenv("QT_QPA_PLATFORM", "xcb", 1) == 0;
}

std::optional<std::string> displayProblem() {
    if (isSet("QT_QPA_PLATFORM") ? !platformChoiceIsXcb() : isSet("WAYLAND_DISPLAY")) {
        return std::nullopt;
    }
    if (!isSet("DISPLAY")) {
        return "no display: DISPLAY is not set; run it inside a graphical session";
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return std::string("cannot open display '") + std::getenv("DISPLAY") + "'";
    }
    XCloseDisplay(display);
    return std::nullopt;
}

} // namespace eboard
