#include "core/pen/LogPointerSink.h"

#include <cinttypes>

namespace eboard {

void LogPointerSink::moveTo(PointD p) {
    std::fprintf(out_, "move %.2f %.2f\n", p.x, p.y);
    std::fflush(out_);
}

void LogPointerSink::leftDown(PointD p, std::uint32_t n) {
    std::fprintf(out_, "left-down %.2f %.2f %" PRIu32 "\n", p.x, p.y, n);
    std::fflush(out_);
}

void LogPointerSink::leftUp(PointD p, std::uint32_t n) {
    std::fprintf(out_, "left-up %.2f %.2f %" PRIu32 "\n", p.x, p.y, n);
    std::fflush(out_);
}

void LogPointerSink::leftDrag(PointD p, std::int64_t dx, std::int64_t dy) {
    std::fprintf(out_, "left-drag %.2f %.2f %" PRId64 " %" PRId64 "\n", p.x, p.y, dx, dy);
    std::fflush(out_);
}

void LogPointerSink::leftDoubleClick(PointD p) {
    std::fprintf(out_, "left-double %.2f %.2f\n", p.x, p.y);
    std::fflush(out_);
}

void LogPointerSink::rightDown(PointD p, std::uint32_t n) {
    std::fprintf(out_, "right-down %.2f %.2f %" PRIu32 "\n", p.x, p.y, n);
    std::fflush(out_);
}

void LogPointerSink::rightUp(PointD p, std::uint32_t n) {
    std::fprintf(out_, "right-up %.2f %.2f %" PRIu32 "\n", p.x, p.y, n);
    std::fflush(out_);
}

} // namespace eboard
