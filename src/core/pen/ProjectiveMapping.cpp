#include "core/pen/ProjectiveMapping.h"

#include <algorithm>
#include <cmath>

namespace eboard {

namespace {
constexpr float at(const Matrix4& m, int row, int column) {
    return m[4 * row + column];
}
} // namespace

Matrix4 squareToQuad(const Quad& q) {
    const float x0 = q[0], y0 = q[1], x1 = q[2], y1 = q[3];
    const float x2 = q[4], y2 = q[5], x3 = q[6], y3 = q[7];

    const float den = (x1 - x2) * (y3 - y2) - (y1 - y2) * (x3 - x2);
    const float px = x0 - x1 + x2 - x3;
    const float py = y0 - y1 + y2 - y3;
    const float g = ((y3 - y2) * px - (x3 - x2) * py) / den;
    const float h = (py * (x1 - x2) - px * (y1 - y2)) / den;

    // clang-format off
    return Matrix4{(x1 - x0) + g * x1, (y1 - y0) + g * y1, 0.0f, g,     //
                   (x3 - x0) + h * x3, (y3 - y0) + h * y3, 0.0f, h,     //
                   0.0f,               0.0f,               1.0f, 0.0f,  //
                   x0,                 y0,                 0.0f, 1.0f};
    // clang-format on
}

Matrix4 quadToSquare(const Quad& quad) {
    const Matrix4 m = squareToQuad(quad);
    const float a = at(m, 0, 0), b = at(m, 0, 1), g = at(m, 0, 3);
    const float d = at(m, 1, 0), e = at(m, 1, 1), h = at(m, 1, 3);
    const float tx = at(m, 3, 0), ty = at(m, 3, 1);

    const float det = a * (e - h * ty) + d * (g * ty - b) + tx * (b * h - g * e);
    const float inv = 1.0f / det;

    // clang-format off
    return Matrix4{(e - h * ty) * inv,  (g * ty - b) * inv,  0.0f, (b * h - g * e) * inv,  //
                   (h * tx - d) * inv,  (a - g * tx) * inv,  0.0f, (g * d - a * h) * inv,  //
                   0.0f,                0.0f,                1.0f, 0.0f,                   //
                   (d * ty - e * tx) * inv, (b * tx - a * ty) * inv, 0.0f, (a * e - b * d) * inv};
    // clang-format on
}

Matrix4 multiplyMatrix(const Matrix4& a, const Matrix4& b) {
    Matrix4 result{};
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            result[4 * i + j] = ((at(a, i, 0) * at(b, 0, j) + at(a, i, 1) * at(b, 1, j)) +
                                 at(a, i, 2) * at(b, 2, j)) +
                                at(a, i, 3) * at(b, 3, j);
        }
    }
    return result;
}

void PerspectiveTransform::setPerspective(const Quad& source, const Quad& target) {
    sourceToSquare_ = quadToSquare(source);
    squareToTarget_ = squareToQuad(target);
    transform_ = multiplyMatrix(sourceToSquare_, squareToTarget_);
    usable_ = std::all_of(transform_.begin(), transform_.end(),
                          [](float value) { return std::isfinite(value); });
}

PointF PerspectiveTransform::mapPoint(PointF point) const {
    const Matrix4& t = transform_;
    const float x = point.x, y = point.y;
    const float w = (at(t, 0, 3) * x + at(t, 1, 3) * y) + at(t, 3, 3);
    return PointF{((at(t, 0, 0) * x + at(t, 1, 0) * y) + at(t, 3, 0)) / w,
                  ((at(t, 0, 1) * x + at(t, 1, 1) * y) + at(t, 3, 1)) / w};
}

PerspectiveTransform& penToScreenMapping() {
    static PerspectiveTransform mapping;
    return mapping;
}

} // namespace eboard
