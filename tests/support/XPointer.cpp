#include "support/XPointer.h"

#include <X11/Xlib.h>
#include <chrono>
#include <thread>

namespace eboard::testing {

_XDisplay* openDisplayPatiently() {
    using namespace std::chrono_literals;
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (true) {
        if (Display* display = XOpenDisplay(nullptr)) {
            return display;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            return nullptr;
        }
        std::this_thread::sleep_for(50ms);
    }
}

XPointerState queryPointer(_XDisplay* display) {
    Window root = 0;
    Window child = 0;
    int rootX = 0;
    int rootY = 0;
    int winX = 0;
    int winY = 0;
    unsigned int mask = 0;
    if (display == nullptr || !XQueryPointer(display, DefaultRootWindow(display), &root, &child,
                                             &rootX, &rootY, &winX, &winY, &mask)) {
        return {};
    }
    return {rootX, rootY, (mask & Button1Mask) != 0,
            mask & (Button1Mask | Button2Mask | Button3Mask)};
}

XPointer::XPointer()
    : display_(openDisplayPatiently()) {}

XPointer::~XPointer() {
    if (display_ != nullptr) {
        XCloseDisplay(display_);
    }
}

void XPointer::moveTo(int x, int y) const {
    XWarpPointer(display_, None, DefaultRootWindow(display_), 0, 0, 0, 0, x, y);
    XSync(display_, False);
}

} // namespace eboard::testing
