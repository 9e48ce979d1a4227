#pragma once

#include "core/base/Point.h"
#include "core/layout/BoardGeometry.h"

#include <cstdint>

namespace eboard {

// Where MouseSimulator's events go: a virtual uinput pointer, XTest, a log, a recorder.
// Positions are the board output's logical pixels (origin at its top-left, y down); a sink
// that reaches a desktop converts them to device pixels with its board geometry.
class PointerSink {
public:
    virtual ~PointerSink() = default;

    // The outputs changed: where the board output now lies on the desktop. Sinks that post
    // logical positions unchanged ignore it.
    virtual void setBoardGeometry(const layout::BoardGeometry& /*geometry*/) {}

    // Moves the cursor without any button event.
    virtual void moveTo(PointD position) = 0;
    virtual void leftDown(PointD position, std::uint32_t eventNumber) = 0;
    virtual void leftUp(PointD position, std::uint32_t eventNumber) = 0;
    // A left drag to position; deltas from the previous location, truncated toward zero.
    virtual void leftDrag(PointD position, std::int64_t deltaX, std::int64_t deltaY) = 0;
    // Press, release, press and release with click count 2, at one position.
    virtual void leftDoubleClick(PointD position) = 0;
    virtual void rightDown(PointD position, std::uint32_t eventNumber) = 0;
    virtual void rightUp(PointD position, std::uint32_t eventNumber) = 0;
};

} // namespace eboard
