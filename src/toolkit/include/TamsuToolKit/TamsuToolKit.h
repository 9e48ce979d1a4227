#pragma once

#include <QPointF>
#include <QRectF>
#include <TamsuToolKit/Export.h>
#include <span>

namespace TamsuToolKit {

// Plane-geometry helpers for image and view layout. Coordinates live in a plane
// whose y axis points up; a rectangle is (x, y, width, height) with (x, y) its
// minimum corner. QPointF and QRectF are used purely as value carriers here.
class TAMSUTOOLKIT_EXPORT TamsuToolKit {
public:
    TamsuToolKit() = delete;

    // Crossing point of line 1 (line1From-line1To) and line 2. Sloped segments
    // must really cross (ends included); when either line is vertical the
    // crossing of the infinite lines is answered. `out` is written only on true.
    static bool getCrossPoint(QPointF& out, QPointF line1From, QPointF line1To, QPointF line2From,
                              QPointF line2To);

    // Largest upright rectangle inside `rect` rotated by `rotatedDegree` about
    // the plane's origin, rounded outward to whole numbers.
    static QRectF largestRectInRect(const QRectF& rect, double rotatedDegree);

    // `rect`'s proportions fitted into `inRect`, centred; the fitted length is a
    // whole number, the centring offset may keep a half.
    static QRectF aspectFitRect(const QRectF& rect, const QRectF& inRect);

    // Signed shoelace area: positive for points running clockwise in the y-up
    // plane (counterclockwise on a y-down widget).
    static double areaFromcounterclockwisePoints(std::span<const QPointF> points);

    // The platform's integral-rectangle rule: origin rounded down, far edges
    // rounded up; a rectangle without positive width and height becomes empty.
    static QRectF integralRect(const QRectF& rect);
};

} // namespace TamsuToolKit
