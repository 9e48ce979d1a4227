#pragma once

#include "core/base/Point.h"

#include <array>

namespace eboard {

// 4x4 matrix of floats stored row by row: entry (r, c) is element 4*r + c.
// A point (x, y) is the row vector [x, y, 0, 1] multiplied from the left.
using Matrix4 = std::array<float, 16>;

// Four corners q0..q3 as x0, y0, x1, y1, x2, y2, x3, y3. The unit square's corners
// (0,0), (1,0), (1,1), (0,1) correspond to q0, q1, q2, q3.
using Quad = std::array<float, 8>;

Matrix4 squareToQuad(const Quad& quad);
Matrix4 quadToSquare(const Quad& quad);
Matrix4 multiplyMatrix(const Matrix4& a, const Matrix4& b);

// A plane perspective transform carrying source corner i onto target corner i.
// Everything is single-precision, step by step, so results are reproducible bit for bit.
class PerspectiveTransform {
public:
    void setPerspective(const Quad& source, const Quad& target);

    // The mapped point; not finite when the transform is unusable or the point lies
    // on the transform's vanishing line.
    PointF mapPoint(PointF point) const;

    // False before the first set-up succeeds and for degenerate quadrilaterals
    // (collinear or coincident corners), whose matrices hold infinities or NaNs.
    bool isUsable() const { return usable_; }

    const Matrix4& sourceToSquare() const { return sourceToSquare_; }
    const Matrix4& squareToTarget() const { return squareToTarget_; }
    const Matrix4& transform() const { return transform_; }

private:
    Matrix4 sourceToSquare_{};
    Matrix4 squareToTarget_{};
    Matrix4 transform_{};
    bool usable_ = false;
};

// The pen-to-screen mapping: raw camera points to screen points (origin bottom-left).
// Written at start-up, at each calibration request and when a calibration completes.
PerspectiveTransform& penToScreenMapping();

} // namespace eboard
