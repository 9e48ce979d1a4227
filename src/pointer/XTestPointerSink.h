#pragma once

#include "core/pen/PointerSink.h"

#include <memory>
#include <string>

// Xlib's Display; its header stays out of here because its macros break Qt's headers.
struct _XDisplay; // NOLINT(bugprone-reserved-identifier): Xlib's own name for it

namespace eboard {

// Posts through the XTEST extension of an X11 display: the server moves its core pointer
// and presses its buttons as if a real mouse did (button 1 left, 3 right). Positions are the
// board output's logical pixels; they land in root-window pixels through the board geometry
// (without one: the whole default screen at scale 1). A double click is two press/release
// pairs.
class XTestPointerSink final : public PointerSink {
public:
    // Opens an own connection to displayName (nullptr: $DISPLAY) and closes it at the end.
    static std::unique_ptr<XTestPointerSink> open(const char* displayName, std::string* error,
                                                  const layout::BoardGeometry* geometry = nullptr);
    // Uses a connection owned by someone else (such as the toolkit's), which must outlive
    // the sink.
    static std::unique_ptr<XTestPointerSink>
    attach(_XDisplay* display, std::string* error, const layout::BoardGeometry* geometry = nullptr);

    ~XTestPointerSink() override;
    XTestPointerSink(const XTestPointerSink&) = delete;
    XTestPointerSink& operator=(const XTestPointerSink&) = delete;

    void setBoardGeometry(const layout::BoardGeometry& geometry) override { geometry_ = geometry; }
    const layout::BoardGeometry& boardGeometry() const { return geometry_; }

    void moveTo(PointD position) override;
    void leftDown(PointD position, std::uint32_t eventNumber) override;
    void leftUp(PointD position, std::uint32_t eventNumber) override;
    void leftDrag(PointD position, std::int64_t deltaX, std::int64_t deltaY) override;
    void leftDoubleClick(PointD position) override;
    void rightDown(PointD position, std::uint32_t eventNumber) override;
    void rightUp(PointD position, std::uint32_t eventNumber) override;

private:
    struct PassKey {};

public:
    XTestPointerSink(PassKey, _XDisplay* display, bool ownsDisplay);

private:
    void motion(PointD position);
    void button(unsigned int number, bool pressed);
    void flush();

    _XDisplay* display_;
    bool ownsDisplay_;
    int screen_;
    layout::BoardGeometry geometry_;
};

} // namespace eboard
