#pragma once
// The X display as a second client sees and works it, like a user at the desk: the pointer
// and the keys through XTest, the windows on screen, the pixels. Xlib's header stays in
// XDesktop.cpp because its macros break gtest and Qt.

#include <cstdint>
#include <string>
#include <vector>

struct _XDisplay;

namespace eboard::testing {

struct XPointerState {
    int x = -1;
    int y = -1;
    bool leftPressed = false;
    unsigned int buttonMask = 0; // Xlib's Button1Mask | Button2Mask | Button3Mask bits held
};

// Xvfb resets itself when its last client leaves and refuses connections meanwhile, which
// happens between test processes: waits that out (up to 5 s) instead of failing.
_XDisplay* openDisplayPatiently();

// Where the core pointer is on the root window of a connection the caller owns.
XPointerState queryPointer(_XDisplay* display);

// A window's place on the root window, in device pixels.
struct XWindowFrame {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// A connection of its own to the display named by DISPLAY. Every action has been carried
// out by the server when it returns; the pointer and key actions say whether XTest took
// their events.
class XDesktop {
public:
    using Window = unsigned long;
    // Which name of a window to match: its title (WM_NAME), or the class or the instance
    // part of its WM_CLASS.
    enum class By { Title, Class, Instance };

    XDesktop();
    ~XDesktop();
    XDesktop(const XDesktop&) = delete;
    XDesktop& operator=(const XDesktop&) = delete;

    bool open() const { return display_ != nullptr; }
    int width() const;
    int height() const;

    // The pointer, as a real mouse moves and presses it.
    XPointerState query() const { return queryPointer(display_); }
    bool moveTo(int x, int y) const;
    bool press(int x, int y, unsigned int b = 1) const { return fakeButton(x, y, b, true); }
    bool release(int x, int y, unsigned int b = 1) const { return fakeButton(x, y, b, false); }
    // The button held for 12 ms, as xdotool holds it: under openbox, a press and its release
    // sent back to back were seen to lose the click.
    bool click(int x, int y, unsigned int b = 1) const;

    // Keys by their keysym names ("space", "Escape", "Return", "Up", "a").
    bool key(const char* name) const { return fakeKey(name, true) && fakeKey(name, false); }
    bool keyDown(const char* name) const { return fakeKey(name, true); }
    bool keyUp(const char* name) const { return fakeKey(name, false); }

    // One pixel of the screen as 0xRRGGBB.
    std::uint32_t pixel(int x, int y) const;
    // A rectangle of the screen (the whole screen without one), row by row, each pixel as
    // 0xffRRGGBB; empty when the screen cannot be read.
    std::vector<std::uint32_t> pixels(int x, int y, int width, int height) const;
    std::vector<std::uint32_t> pixels() const { return pixels(0, 0, width(), height()); }

    // The windows on screen (mapped, not hidden by an unmapped parent) whose name is
    // exactly `name`, bottom to top.
    std::vector<Window> windows(By by, const std::string& name) const;
    XWindowFrame frame(Window window) const;
    // Whether the keyboard focus is on the window or inside it.
    bool hasFocus(Window window) const;
    void focus(Window window) const;
    void raise(Window window) const;
    // Asks the window manager, if one runs, to activate the window (_NET_ACTIVE_WINDOW).
    void activate(Window window) const;

private:
    bool fakeButton(int x, int y, unsigned int button, bool down) const;
    bool fakeKey(const char* name, bool down) const;

    _XDisplay* display_;
};

} // namespace eboard::testing
