#include "support/XDesktop.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <bit>
#include <chrono>
#include <thread>

namespace eboard::testing {

namespace {

// Windows may go between listing them and asking about them: while the trap lives such
// errors are ignored, instead of Xlib's default of ending the process.
struct ErrorTrap {
    explicit ErrorTrap(Display* d)
        : display(d)
        , previous(XSetErrorHandler([](Display*, XErrorEvent*) { return 0; })) {}
    ~ErrorTrap() {
        XSync(display, False);
        XSetErrorHandler(previous);
    }
    Display* display;
    XErrorHandler previous;
};

// A pixel value of the screen's (true colour, 8 bits a channel) visual as 0xRRGGBB.
std::uint32_t rgb(unsigned long value, const Visual* visual) {
    const auto channel = [value](unsigned long mask) {
        return static_cast<std::uint32_t>((value & mask) >> std::countr_zero(mask)) & 0xff;
    };
    return channel(visual->red_mask) << 16 | channel(visual->green_mask) << 8 |
           channel(visual->blue_mask);
}

std::string nameOf(Display* display, Window window, XDesktop::By by) {
    std::string name;
    if (by == XDesktop::By::Title) {
        char* title = nullptr;
        if (XFetchName(display, window, &title) != 0 && title != nullptr) {
            name = title;
            XFree(title);
        }
        return name;
    }
    XClassHint hint{};
    if (XGetClassHint(display, window, &hint) != 0) {
        const char* part = by == XDesktop::By::Class ? hint.res_class : hint.res_name;
        name = part != nullptr ? part : "";
        XFree(hint.res_name);
        XFree(hint.res_class);
    }
    return name;
}

std::vector<Window> children(Display* display, Window window, Window* parent = nullptr) {
    Window root = 0;
    Window up = 0;
    Window* list = nullptr;
    unsigned int count = 0;
    std::vector<Window> result;
    if (XQueryTree(display, window, &root, &up, &list, &count) != 0) {
        result.assign(list, list + count);
        XFree(list);
    }
    if (parent != nullptr) {
        *parent = up;
    }
    return result;
}

void collect(Display* display, Window window, XDesktop::By by, const std::string& name,
             std::vector<Window>& found) {
    // What is not viewable shows nothing below it either.
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, window, &attributes) == 0 ||
        attributes.map_state != IsViewable) {
        return;
    }
    if (nameOf(display, window, by) == name) {
        found.push_back(window);
    }
    for (const Window child : children(display, window)) {
        collect(display, child, by, name, found);
    }
}

} // namespace

// No Qt event loop here: a plain wait, sleeping between tries.
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

XDesktop::XDesktop()
    : display_(openDisplayPatiently()) {}

XDesktop::~XDesktop() {
    if (display_ != nullptr) {
        XCloseDisplay(display_);
    }
}

int XDesktop::width() const {
    return DisplayWidth(display_, DefaultScreen(display_));
}

int XDesktop::height() const {
    return DisplayHeight(display_, DefaultScreen(display_));
}

bool XDesktop::moveTo(int x, int y) const {
    const bool taken = XTestFakeMotionEvent(display_, -1, x, y, CurrentTime) != 0;
    XSync(display_, False);
    return taken;
}

bool XDesktop::fakeButton(int x, int y, unsigned int button, bool down) const {
    const bool taken = XTestFakeMotionEvent(display_, -1, x, y, CurrentTime) != 0 &&
                       XTestFakeButtonEvent(display_, button, down, CurrentTime) != 0;
    XSync(display_, False);
    return taken;
}

bool XDesktop::click(int x, int y, unsigned int b) const {
    const bool pressed = press(x, y, b);
    std::this_thread::sleep_for(std::chrono::milliseconds(12));
    return release(x, y, b) && pressed;
}

bool XDesktop::fakeKey(const char* name, bool down) const {
    const KeyCode code = XKeysymToKeycode(display_, XStringToKeysym(name));
    const bool taken = code != 0 && XTestFakeKeyEvent(display_, code, down, CurrentTime) != 0;
    XSync(display_, False);
    return taken;
}

std::uint32_t XDesktop::pixel(int x, int y) const {
    const std::vector<std::uint32_t> one = pixels(x, y, 1, 1);
    return one.empty() ? 0 : one.front() & 0xffffff;
}

std::vector<std::uint32_t> XDesktop::pixels(int x, int y, int width, int height) const {
    std::vector<std::uint32_t> result(static_cast<std::size_t>(width * height), 0);
    XImage* image =
        XGetImage(display_, DefaultRootWindow(display_), x, y, static_cast<unsigned>(width),
                  static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (image == nullptr) {
        return {};
    }
    const Visual* visual = DefaultVisual(display_, DefaultScreen(display_));
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            result[static_cast<std::size_t>(row * width + column)] =
                0xff000000u | rgb(XGetPixel(image, column, row), visual);
        }
    }
    XDestroyImage(image);
    return result;
}

std::vector<XDesktop::Window> XDesktop::windows(By by, const std::string& name) const {
    std::vector<Window> found;
    const ErrorTrap trap(display_);
    collect(display_, DefaultRootWindow(display_), by, name, found);
    return found;
}

XWindowFrame XDesktop::frame(Window window) const {
    const ErrorTrap trap(display_);
    XWindowAttributes attributes{};
    XWindowFrame frame;
    ::Window child = 0;
    if (XGetWindowAttributes(display_, window, &attributes) != 0 &&
        XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &frame.x,
                              &frame.y, &child) != 0) {
        frame.width = attributes.width;
        frame.height = attributes.height;
    }
    return frame;
}

bool XDesktop::hasFocus(Window window) const {
    const ErrorTrap trap(display_);
    ::Window focused = None;
    int revert = 0;
    XGetInputFocus(display_, &focused, &revert);
    while (focused != None && focused != PointerRoot && focused != window) {
        children(display_, focused, &focused); // up to the parent, None above the root
    }
    return focused == window;
}

void XDesktop::focus(Window window) const {
    const ErrorTrap trap(display_);
    XSetInputFocus(display_, window, RevertToParent, CurrentTime);
}

void XDesktop::raise(Window window) const {
    const ErrorTrap trap(display_);
    XRaiseWindow(display_, window);
}

void XDesktop::activate(Window window) const {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display_, "_NET_ACTIVE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 2; // asked for by a pager, i.e. the user
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, DefaultRootWindow(display_), False,
               SubstructureNotifyMask | SubstructureRedirectMask, &event);
    XSync(display_, False);
}

} // namespace eboard::testing
