#include "pointer/XTestPointerSink.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <cstdlib>

namespace eboard {

namespace {

constexpr unsigned int leftButton = 1;
constexpr unsigned int rightButton = 3;

void setError(std::string* error, std::string message) {
    if (error != nullptr) {
        *error = std::move(message);
    }
}

bool hasXTest(Display* display) {
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    return XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor) != False;
}

} // namespace

std::unique_ptr<XTestPointerSink> XTestPointerSink::open(const char* displayName,
                                                         std::string* error,
                                                         const layout::BoardGeometry* geometry) {
    const char* shownName = displayName != nullptr ? displayName : std::getenv("DISPLAY");
    if (shownName == nullptr || *shownName == '\0') {
        setError(error, "DISPLAY is not set");
        return nullptr;
    }
    Display* display = XOpenDisplay(displayName);
    if (display == nullptr) {
        setError(error, std::string("cannot open X display \"") + shownName + "\"");
        return nullptr;
    }
    if (!hasXTest(display)) {
        XCloseDisplay(display);
        setError(error, std::string("X display \"") + shownName + "\" has no XTEST extension");
        return nullptr;
    }
    auto sink = std::make_unique<XTestPointerSink>(PassKey{}, display, true);
    if (geometry != nullptr) {
        sink->setBoardGeometry(*geometry);
    }
    return sink;
}

std::unique_ptr<XTestPointerSink> XTestPointerSink::attach(_XDisplay* display, std::string* error,
                                                           const layout::BoardGeometry* geometry) {
    if (display == nullptr) {
        setError(error, "no X display connection");
        return nullptr;
    }
    if (!hasXTest(display)) {
        setError(error, "the X display has no XTEST extension");
        return nullptr;
    }
    auto sink = std::make_unique<XTestPointerSink>(PassKey{}, display, false);
    if (geometry != nullptr) {
        sink->setBoardGeometry(*geometry);
    }
    return sink;
}

XTestPointerSink::XTestPointerSink(PassKey, _XDisplay* display, bool ownsDisplay)
    : display_(display)
    , ownsDisplay_(ownsDisplay)
    , screen_(XDefaultScreen(display))
    , geometry_(layout::singleOutputGeometry(XDisplayWidth(display, screen_),
                                             XDisplayHeight(display, screen_))) {}

XTestPointerSink::~XTestPointerSink() {
    if (ownsDisplay_) {
        XCloseDisplay(display_);
    }
}

// A non-finite position leaves the pointer where it is; the button still goes out there.
void XTestPointerSink::motion(PointD position) {
    if (const auto pixel = layout::boardToDevice(geometry_, position)) {
        XTestFakeMotionEvent(display_, screen_, pixel->x, pixel->y, CurrentTime);
    }
}

void XTestPointerSink::button(unsigned int number, bool pressed) {
    XTestFakeButtonEvent(display_, number, pressed ? True : False, CurrentTime);
}

// A round trip rather than a mere flush: when a call returns, the server has acted on its
// events, so every later request (from any client) sees the pointer where it was put.
void XTestPointerSink::flush() {
    XSync(display_, False);
}

void XTestPointerSink::moveTo(PointD position) {
    motion(position);
    flush();
}

void XTestPointerSink::leftDown(PointD position, std::uint32_t) {
    motion(position);
    button(leftButton, true);
    flush();
}

void XTestPointerSink::leftUp(PointD position, std::uint32_t) {
    motion(position);
    button(leftButton, false);
    flush();
}

void XTestPointerSink::leftDrag(PointD position, std::int64_t, std::int64_t) {
    motion(position);
    flush();
}

void XTestPointerSink::leftDoubleClick(PointD position) {
    motion(position);
    button(leftButton, true);
    button(leftButton, false);
    button(leftButton, true);
    button(leftButton, false);
    flush();
}

void XTestPointerSink::rightDown(PointD position, std::uint32_t) {
    motion(position);
    button(rightButton, true);
    flush();
}

void XTestPointerSink::rightUp(PointD position, std::uint32_t) {
    motion(position);
    button(rightButton, false);
    flush();
}

} // namespace eboard
