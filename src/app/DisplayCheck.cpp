#include "app/DisplayCheck.h"

#include <X11/Xlib.h>
#include <cstdlib>

namespace eboard {

namespace {
bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}
} // namespace

std::optional<std::string> displayProblem() {
    if (isSet("QT_QPA_PLATFORM") || isSet("WAYLAND_DISPLAY")) {
        return std::nullopt;
    }
    if (!isSet("DISPLAY")) {
        return "no display: DISPLAY is not set; start eBoardAgent inside a graphical session";
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return std::string("cannot open display '") + std::getenv("DISPLAY") + "'";
    }
    XCloseDisplay(display);
    return std::nullopt;
}

} // namespace eboard
