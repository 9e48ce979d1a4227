#include <TamsuToolKit/TamsuToolKit.h>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace TamsuToolKit {

namespace {

constexpr double kPi = 3.141592653589793;

bool within(double value, double a, double b) {
    return value >= std::min(a, b) && value <= std::max(a, b);
}

QPointF rotated(QPointF p, double phi) {
    return {p.x() * std::cos(phi) - p.y() * std::sin(phi),
            p.x() * std::sin(phi) + p.y() * std::cos(phi)};
}

// The angle less its whole turns, counted from its 32-bit integer part. An
// angle outside that range (or NaN) has no such part: converting it would be
// undefined, so it is reduced by the exact remainder, which is what the integer
// route gives wherever it is defined.
double reducedDegrees(double degrees) {
    if (!(std::abs(degrees) < 2147483648.0)) {
        return std::fmod(degrees, 360.0);
    }
    const auto wholeDegrees = static_cast<std::int32_t>(degrees);
    const std::int32_t turns = wholeDegrees / 360;
    return degrees - 360.0 * turns;
}

struct Segment {
    QPointF from;
    QPointF to;
};

bool cross(QPointF& out, const Segment& a, const Segment& b) {
    return TamsuToolKit::getCrossPoint(out, a.from, a.to, b.from, b.to);
}

} // namespace

bool TamsuToolKit::getCrossPoint(QPointF& out, QPointF line1From, QPointF line1To,
                                 QPointF line2From, QPointF line2To) {
    const double x1 = line1From.x(), y1 = line1From.y(), x2 = line1To.x(), y2 = line1To.y();
    const double x3 = line2From.x(), y3 = line2From.y(), x4 = line2To.x(), y4 = line2To.y();
    if (x1 == x2) {
        if (x3 == x4) {
            return false;
        }
        const double m2 = (y4 - y3) / (x4 - x3);
        out = QPointF(x1, (x1 - x3) * m2 + y3);
        return true;
    }
    const double m1 = (y2 - y1) / (x2 - x1);
    if (x3 == x4) {
        out = QPointF(x3, (x3 - x2) * m1 + y2);
        return true;
    }
    const double m2 = (y4 - y3) / (x4 - x3);
    const double x = (m2 * x3 - m1 * x1 + y1 - y3) / (m2 - m1);
    if (!within(x, x1, x2) || !within(x, x3, x4)) {
        return false;
    }
    const double y = m1 * (x - x1) + y1;
    if (!within(y, y1, y2) || !within(y, y3, y4)) {
        return false;
    }
    out = QPointF(x, y);
    return true;
}

QRectF TamsuToolKit::integralRect(const QRectF& rect) {
    if (!(rect.width() > 0.0) || !(rect.height() > 0.0)) {
        return {0.0, 0.0, 0.0, 0.0};
    }
    const double left = std::floor(rect.x());
    const double bottom = std::floor(rect.y());
    const double right = std::ceil(rect.x() + rect.width());
    const double top = std::ceil(rect.y() + rect.height());
    return {left, bottom, right - left, top - bottom};
}

QRectF TamsuToolKit::largestRectInRect(const QRectF& rect, double rotatedDegree) {
    const double phi = reducedDegrees(rotatedDegree) * kPi / 180.0;

    const double minX = rect.x(), minY = rect.y();
    const double maxX = rect.x() + rect.width(), maxY = rect.y() + rect.height();
    const QPointF p1 = rotated({minX, minY}, phi);
    const QPointF p2 = rotated({maxX, minY}, phi);
    const QPointF p3 = rotated({minX, maxY}, phi);
    const QPointF p4 = rotated({maxX, maxY}, phi);
    const Segment left{p3, p1}, right{p4, p2}, top{p3, p4}, bottom{p1, p2};

    const double bMinX = std::min({p1.x(), p2.x(), p3.x(), p4.x()});
    const double bMaxX = std::max({p1.x(), p2.x(), p3.x(), p4.x()});
    const double bMinY = std::min({p1.y(), p2.y(), p3.y(), p4.y()});
    const double bMaxY = std::max({p1.y(), p2.y(), p3.y(), p4.y()});
    const Segment d1{{bMinX, bMinY}, {bMaxX, bMaxY}};
    const Segment d2{{bMinX, bMaxY}, {bMaxX, bMinY}};

    QPointF x1, x2, x3, x4;
    const bool firstTry =
        cross(x1, d1, left) && cross(x2, d1, right) && cross(x3, d2, top) && cross(x4, d2, bottom);
    const bool found = firstTry || (cross(x1, d1, top) && cross(x2, d1, bottom) &&
                                    cross(x3, d2, left) && cross(x4, d2, right));
    if (!found) {
        return integralRect({bMinX, bMinY, bMaxX - bMinX, bMaxY - bMinY});
    }
    const double a1 = std::abs((x2.x() - x1.x()) * (x2.y() - x1.y()));
    const double a2 = std::abs((x4.x() - x3.x()) * (x4.y() - x3.y()));
    const QPointF& c1 = a2 > a1 ? x1 : x3;
    const QPointF& c2 = a2 > a1 ? x2 : x4;
    return integralRect({std::min(c1.x(), c2.x()), std::min(c1.y(), c2.y()),
                         std::abs(c2.x() - c1.x()), std::abs(c2.y() - c1.y())});
}

QRectF TamsuToolKit::aspectFitRect(const QRectF& rect, const QRectF& inRect) {
    const double shapeRatio = rect.height() / rect.width();
    const double containerRatio = inRect.height() / inRect.width();
    if (shapeRatio > containerRatio) {
        const double width = std::round(inRect.height() / shapeRatio);
        return {inRect.x() + (inRect.width() - width) * 0.5, inRect.y(), width, inRect.height()};
    }
    const double height = std::round(shapeRatio * inRect.width());
    return {inRect.x(), inRect.y() + (inRect.height() - height) * 0.5, inRect.width(), height};
}

double TamsuToolKit::areaFromcounterclockwisePoints(std::span<const QPointF> points) {
    if (points.empty()) {
        return 0.0;
    }
    double sum = 0.0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const std::size_t j = i + 1 == points.size() ? 0 : i + 1;
        sum += points[j].x() * points[i].y() - points[j].y() * points[i].x();
    }
    return sum / 2.0;
}

} // namespace TamsuToolKit
