#pragma once

#include "core/pen/PointerSink.h"

#include <cstdint>
#include <vector>

namespace eboard {

// A test double that keeps every event it is given, in order.
class RecordingPointerSink final : public PointerSink {
public:
    enum class Kind { Move, LeftDown, LeftUp, LeftDrag, LeftDouble, RightDown, RightUp };

    struct Event {
        Kind kind = Kind::Move;
        PointD position;
        std::uint32_t eventNumber = 0; // presses and releases only
        std::int64_t deltaX = 0;       // drags only
        std::int64_t deltaY = 0;
        friend bool operator==(const Event&, const Event&) = default;
    };

    void moveTo(PointD p) override { events.push_back({Kind::Move, p, 0, 0, 0}); }
    void leftDown(PointD p, std::uint32_t n) override {
        events.push_back({Kind::LeftDown, p, n, 0, 0});
    }
    void leftUp(PointD p, std::uint32_t n) override {
        events.push_back({Kind::LeftUp, p, n, 0, 0});
    }
    void leftDrag(PointD p, std::int64_t dx, std::int64_t dy) override {
        events.push_back({Kind::LeftDrag, p, 0, dx, dy});
    }
    void leftDoubleClick(PointD p) override { events.push_back({Kind::LeftDouble, p, 0, 0, 0}); }
    void rightDown(PointD p, std::uint32_t n) override {
        events.push_back({Kind::RightDown, p, n, 0, 0});
    }
    void rightUp(PointD p, std::uint32_t n) override {
        events.push_back({Kind::RightUp, p, n, 0, 0});
    }

    std::vector<Event> events;
};

} // namespace eboard
