#pragma once

#include "core/pen/PointerSink.h"

#include <cstdio>

namespace eboard {

// Writes one line per event, display coordinates with two decimals:
//   move X Y | left-down X Y N | left-up X Y N | left-drag X Y DX DY | left-double X Y
//   right-down X Y N | right-up X Y N
// Each line is flushed as written: the log is read live (tail -f), often from a file,
// where the C library would hold it back until exit. The stream is not owned and must
// outlive the sink.
class LogPointerSink final : public PointerSink {
public:
    explicit LogPointerSink(std::FILE* out)
        : out_(out) {}

    void moveTo(PointD position) override;
    void leftDown(PointD position, std::uint32_t eventNumber) override;
    void leftUp(PointD position, std::uint32_t eventNumber) override;
    void leftDrag(PointD position, std::int64_t deltaX, std::int64_t deltaY) override;
    void leftDoubleClick(PointD position) override;
    void rightDown(PointD position, std::uint32_t eventNumber) override;
    void rightUp(PointD position, std::uint32_t eventNumber) override;

private:
    std::FILE* out_;
};

} // namespace eboard
