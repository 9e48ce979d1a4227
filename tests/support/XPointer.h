#pragma once
// The X server's core pointer, read back by a second client. Xlib's header stays in
// XPointer.cpp because its macros break gtest and Qt.

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

// A connection of its own to the display named by DISPLAY.
class XPointer {
public:
    XPointer();
    ~XPointer();
    XPointer(const XPointer&) = delete;
    XPointer& operator=(const XPointer&) = delete;

    bool open() const { return display_ != nullptr; }
    XPointerState query() const { return queryPointer(display_); }
    void moveTo(int x, int y) const;

private:
    _XDisplay* display_;
};

} // namespace eboard::testing
