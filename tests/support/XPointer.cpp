#include "support/XPointer.h"

#include <X11/Xlib.h>

namespace eboard::testing {

XPointer::XPointer()
    : display_(XOpenDisplay(nullptr)) {}

XPointer::~XPointer() {
    if (display_ != nullptr) {
        XCloseDisplay(display_);
    }
}

XPointerState XPointer::query() const {
    Window root = 0;
    Window child = 0;
    int rootX = 0;
    int rootY = 0;
    int winX = 0;
    int winY = 0;
    unsigned int mask = 0;
    XQueryPointer(display_, DefaultRootWindow(display_), &root, &child, &rootX, &rootY, &winX,
                  &winY, &mask);
    return {rootX, rootY, (mask & Button1Mask) != 0};
}

void XPointer::moveTo(int x, int y) const {
    XWarpPointer(display_, None, DefaultRootWindow(display_), 0, 0, 0, 0, x, y);
    XSync(display_, False);
}

} // namespace eboard::testing
