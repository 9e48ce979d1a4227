#pragma once

#include "core/base/Point.h"

#include <cstdint>

namespace eboard {

class PointerSink;

// Turns pointer intentions into mouse events on a PointerSink. It decides nothing:
// it numbers button presses and remembers the last location for drag deltas.
// Without a sink the bookkeeping still runs and nothing is posted.
class MouseSimulator {
public:
    // Presses are numbered from here on; a number below it restarts here.
    static constexpr std::uint32_t kFirstEventNumber = 1024;

    explicit MouseSimulator(PointerSink* sink = nullptr)
        : sink_(sink) {}

    // Moves the cursor without a button event.
    void movePosition(PointD point);
    void leftButtonDown(PointD point);
    void leftButtonUp(PointD point);
    void leftMouseDragging(PointD point);
    // Press, release, press, release; the second pair with click count 2.
    void leftMouseDoubleClick(PointD point);
    void rightButtonDown(PointD point);
    void rightButtonUp(PointD point);

    PointD lastLocation() const { return lastLocation_; }
    void setLastLocation(PointD location) { lastLocation_ = location; }
    std::uint32_t eventNumber() const { return eventNumber_; }
    void setEventNumber(std::uint32_t number) { eventNumber_ = number; }

    PointerSink* sink() const { return sink_; }
    void setSink(PointerSink* sink) { sink_ = sink; }

private:
    std::uint32_t nextEventNumber();

    std::uint32_t eventNumber_ = kFirstEventNumber;
    PointD lastLocation_;
    PointerSink* sink_;
};

// b - a truncated toward zero, saturated at the ends of the 64-bit range.
std::int64_t truncatedDelta(double a, double b);

} // namespace eboard
