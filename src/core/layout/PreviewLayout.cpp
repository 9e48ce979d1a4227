#include "core/layout/PreviewLayout.h"

namespace eboard::layout {

namespace {
constexpr double kCornerSquare = 50.0;
constexpr double kLightPointSide = 10.0;
} // namespace

PreviewLayout previewLayout(std::int32_t width, std::int32_t height) {
    PreviewLayout l;
    l.left = width / 5;
    l.top = height / 5;
    const std::int32_t areaWidth = (3 * width) / 5;
    const std::int32_t areaHeight = (3 * height) / 5;
    l.right = l.left + areaWidth;
    l.bottom = l.top + areaHeight;
    l.frame = {double(l.left + 10), double(l.top + 10), double(areaWidth - 20),
               double(areaHeight - 20)};
    const RectD& f = l.frame;
    l.instructionText = {f.x, f.y - 108, f.width, 101};
    l.exitText = {f.x, f.y - 130, f.width, 19};
    l.titleText = {f.x, f.y + f.height + 20, f.width + 300, 38};
    const double w = width;
    const double h = height;
    l.cornerSquares = {RectD{0, h - kCornerSquare, kCornerSquare, kCornerSquare},
                       RectD{w - kCornerSquare, h - kCornerSquare, kCornerSquare, kCornerSquare},
                       RectD{0, 0, kCornerSquare, kCornerSquare},
                       RectD{w - kCornerSquare, 0, kCornerSquare, kCornerSquare}};
    return l;
}

Quad previewSourceQuad() {
    return {0.0f, 0.0f, 1024.0f, 0.0f, 0.0f, 768.0f, 1024.0f, 768.0f};
}

Quad previewTargetQuad(const PreviewLayout& l) {
    // R and B are whole sums in double before they narrow to float.
    const auto left = static_cast<float>(double(l.left));
    const auto top = static_cast<float>(double(l.top));
    const auto right = static_cast<float>(double(l.right));
    const auto bottom = static_cast<float>(double(l.bottom));
    return {left, top, right, top, left, bottom, right, bottom};
}

RectD lightPointSquare(PointD centre) {
    return {centre.x - kLightPointSide / 2, centre.y - kLightPointSide / 2, kLightPointSide,
            kLightPointSide};
}

} // namespace eboard::layout
