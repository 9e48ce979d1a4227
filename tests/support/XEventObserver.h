#pragma once
// A second X client that watches what the server does with the pointer: an input-only
// window over the whole screen that selects button and motion events. Includes Xlib, so
// include this header after every Qt and gtest header.

#include "support/XDesktop.h"

#include <X11/Xlib.h>
#include <chrono>
#include <optional>
#include <poll.h>
#include <vector>

namespace eboard::testing {

// One pointer event the observer saw, in root coordinates.
struct Seen {
    int type;
    unsigned int button; // for presses and releases
    int x;
    int y;
    unsigned int state;
};

// One per test program keeps Xvfb from resetting between tests.
class XEventObserver {
public:
    XEventObserver()
        : display_(openDisplayPatiently()) {
        if (display_ == nullptr) {
            return;
        }
        const int screen = XDefaultScreen(display_);
        width_ = XDisplayWidth(display_, screen);
        height_ = XDisplayHeight(display_, screen);
        XSetWindowAttributes attributes{};
        attributes.override_redirect = True;
        attributes.event_mask =
            ButtonPressMask | ButtonReleaseMask | PointerMotionMask | StructureNotifyMask;
        window_ = XCreateWindow(display_, XRootWindow(display_, screen), 0, 0,
                                static_cast<unsigned int>(width_),
                                static_cast<unsigned int>(height_), 0, CopyFromParent, InputOnly,
                                nullptr, CWOverrideRedirect | CWEventMask, &attributes);
        XMapRaised(display_, window_);
        waitFor(MapNotify);
        drain();
    }
    ~XEventObserver() {
        if (display_ != nullptr) {
            XDestroyWindow(display_, window_);
            XCloseDisplay(display_);
        }
    }
    XEventObserver(const XEventObserver&) = delete;
    XEventObserver& operator=(const XEventObserver&) = delete;

    Display* display() const { return display_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // Collects pointer events until `count` button events arrived or a second passed. No Qt
    // event loop runs in these tests: the waits poll the connection.
    std::vector<Seen> collectButtons(std::size_t count) {
        std::vector<Seen> seen;
        std::size_t buttons = 0;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
        while (buttons < count) {
            const auto event = next(deadline);
            if (!event) {
                break;
            }
            if (event->type == ButtonPress || event->type == ButtonRelease) {
                seen.push_back({event->type, event->xbutton.button, event->xbutton.x_root,
                                event->xbutton.y_root, event->xbutton.state});
                ++buttons;
            } else if (event->type == MotionNotify) {
                seen.push_back({MotionNotify, 0, event->xmotion.x_root, event->xmotion.y_root,
                                event->xmotion.state});
            }
        }
        return seen;
    }

    XPointerState query() const { return queryPointer(display_); }

    void drain() {
        XSync(display_, False);
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
        }
    }

private:
    std::optional<XEvent> next(std::chrono::steady_clock::time_point deadline) {
        while (true) {
            if (XPending(display_) > 0) {
                XEvent event;
                XNextEvent(display_, &event);
                return event;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) {
                return std::nullopt;
            }
            pollfd descriptor{XConnectionNumber(display_), POLLIN, 0};
            poll(&descriptor, 1, static_cast<int>(left.count()));
        }
    }

    void waitFor(int type) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (auto event = next(deadline)) {
            if (event->type == type) {
                return;
            }
        }
    }

    Display* display_;
    Window window_ = 0;
    int width_ = 0;
    int height_ = 0;
};

} // namespace eboard::testing
