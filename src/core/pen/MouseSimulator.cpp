#include "core/pen/MouseSimulator.h"

#include "core/pen/PointerSink.h"

#include <cmath>
#include <limits>

namespace eboard {

std::int64_t truncatedDelta(double a, double b) {
    const double difference = std::trunc(b - a);
    // 2^63 is exact as a double; anything at or beyond it would overflow the cast.
    constexpr double kLimit = 9223372036854775808.0;
    if (std::isnan(difference)) {
        return 0;
    }
    if (difference >= kLimit) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (difference < -kLimit) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(difference);
}

std::uint32_t MouseSimulator::nextEventNumber() {
    // Unsigned wrap after 4294967295 gives 0, which the next press lifts back to 1024.
    eventNumber_ = eventNumber_ < kFirstEventNumber ? kFirstEventNumber : eventNumber_ + 1;
    return eventNumber_;
}

void MouseSimulator::movePosition(PointD point) {
    if (sink_ != nullptr) {
        sink_->moveTo(point);
    }
    lastLocation_ = point;
}

void MouseSimulator::leftButtonDown(PointD point) {
    const std::uint32_t number = nextEventNumber();
    if (sink_ != nullptr) {
        sink_->leftDown(point, number);
    }
}

void MouseSimulator::leftButtonUp(PointD point) {
    if (sink_ != nullptr) {
        sink_->leftUp(point, eventNumber_);
    }
    lastLocation_ = point;
}

void MouseSimulator::leftMouseDragging(PointD point) {
    if (sink_ != nullptr) {
        sink_->leftDrag(point, truncatedDelta(lastLocation_.x, point.x),
                        truncatedDelta(lastLocation_.y, point.y));
    }
    lastLocation_ = point;
}

void MouseSimulator::leftMouseDoubleClick(PointD point) {
    if (sink_ != nullptr) {
        sink_->leftDoubleClick(point);
    }
    lastLocation_ = point;
}

void MouseSimulator::rightButtonDown(PointD point) {
    const std::uint32_t number = nextEventNumber();
    if (sink_ != nullptr) {
        sink_->rightDown(point, number);
    }
}

void MouseSimulator::rightButtonUp(PointD point) {
    if (sink_ != nullptr) {
        sink_->rightUp(point, eventNumber_);
    }
    lastLocation_ = point;
}

} // namespace eboard
