#pragma once

// Xlib's Display; its header stays in XPointer.cpp because its macros break gtest and Qt.
struct _XDisplay;

namespace eboard::testing {

struct XPointerState {
    int x = -1;
    int y = -1;
    bool leftPressed = false;
};

// The X server's core pointer as the user would see it.
class XPointer {
public:
    XPointer();
    ~XPointer();
    XPointer(const XPointer&) = delete;
    XPointer& operator=(const XPointer&) = delete;

    bool open() const { return display_ != nullptr; }
    XPointerState query() const;
    void moveTo(int x, int y) const;

private:
    _XDisplay* display_;
};

} // namespace eboard::testing
