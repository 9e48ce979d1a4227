#include <TamsuToolKit/BubbleGeometry.h>
#include <algorithm>
#include <cmath>

namespace TamsuToolKit::Bubble {

namespace {

enum class Edge { None, Top, Right, Bottom, Left };

Edge arrowEdge(int side) {
    switch (side) {
    case 1:
    case 10:
    case 11:
        return Edge::Top;
    case 0:
    case 4:
    case 5:
        return Edge::Right;
    case 3:
    case 8:
    case 9:
        return Edge::Bottom;
    case 2:
    case 6:
    case 7:
        return Edge::Left;
    default:
        return Edge::None;
    }
}

// A quarter circle from `from` to `to` around the square corner `corner`,
// as one cubic; independent of the plane's orientation.
void cornerArc(QPainterPath& path, QPointF corner, QPointF to) {
    constexpr double kappa = 0.5522847498307936;
    const QPointF from = path.currentPosition();
    path.cubicTo(from + (corner - from) * kappa, to + (corner - to) * kappa, to);
}

struct Corners {
    bool topLeft, topRight, bottomRight, bottomLeft;
};

Corners roundedCorners(int side, const Style& style, double radius) {
    const bool round = radius > 0.0;
    const bool square = !style.drawsRoundCornerBesideArrow;
    return {round && !(square && (side == 7 || side == 11)),
            round && !(square && (side == 5 || side == 10)),
            round && !(square && (side == 4 || side == 8)),
            round && !(square && (side == 6 || side == 9))};
}

} // namespace

double arrowInset(const Style& style, double scale) {
    return scale * (style.arrowBaseWidth * 0.5 +
                    (style.drawsRoundCornerBesideArrow ? style.cornerRadius : 0.0f));
}

Layout updateGeometry(QSizeF viewSize, QPointF anchor, int side, float distance, const Style& style,
                      double scale) {
    const double m = style.viewMargin * scale;
    QRectF view(m, m, viewSize.width(), viewSize.height());
    double w = viewSize.width() + 2 * m;
    double h = viewSize.height() + 2 * m;
    const double room = style.arrowHeight * scale;
    switch (arrowEdge(side)) {
    case Edge::Right:
        w += room;
        break;
    case Edge::Left:
        w += room;
        view.moveLeft(view.x() + room);
        break;
    case Edge::Top:
        h += room;
        break;
    case Edge::Bottom:
        h += room;
        view.moveTop(view.y() + room);
        break;
    case Edge::None:
        break;
    }

    const double i = arrowInset(style, scale);
    const double d = distance;
    const double px = anchor.x(), py = anchor.y();
    QPointF origin;
    switch (side) {
    case 0:
        origin = {px - w - d, py - h / 2};
        break;
    case 1:
        origin = {px - w / 2, py - h - d};
        break;
    case 2:
        origin = {px + d, py - h / 2};
        break;
    case 3:
        origin = {px - w / 2, py + d};
        break;
    case 4:
        origin = {px - w - d, py - i};
        break;
    case 5:
        origin = {px - w - d, py - (h - i)};
        break;
    case 6:
        origin = {px + d, py - i};
        break;
    case 7:
        origin = {px + d, py - (h - i)};
        break;
    case 8:
        origin = {px - (w - i), py + d};
        break;
    case 9:
        origin = {px - i, py + d};
        break;
    case 10:
        origin = {px - (w - i), py - h - d};
        break;
    case 11:
        origin = {px - i, py - h - d};
        break;
    default:
        origin = {px, py};
        break;
    }
    return {QRectF(origin, QSizeF(w, h)), view};
}

int bestSideForAutomaticPosition(QSizeF viewSize, QPointF anchor, float distance,
                                 const Style& style, const QRectF& visibleScreen,
                                 const QRectF& parentFrame, double scale) {
    const double m = style.viewMargin * scale;
    const double vw = viewSize.width() + 2 * m;
    const double vh = viewSize.height() + 2 * m;
    const double ad = distance + style.arrowHeight * scale;
    const double px = anchor.x(), py = anchor.y();
    const QRectF& s = visibleScreen;
    const double sLeft = s.x(), sRight = s.x() + s.width();
    const double sBottom = s.y(), sTop = s.y() + s.height();

    int side = 1;
    if (py - vh - ad >= sBottom) {
        side = 1;
    } else if (px + vw + ad < sRight) {
        side = 2;
    } else if (px - vw - ad >= sLeft) {
        side = 0;
    } else if (py + vh + ad < sTop) {
        side = 3;
    }

    const QRectF& r = parentFrame;
    const double i = arrowInset(style, scale);
    if (side == 0 || side == 2) {
        if (py - vh / 2 < r.y()) {
            if (py + vh - i < sTop) {
                side = side == 0 ? 4 : 6;
            }
        } else if (py + vh / 2 >= r.y() + r.height()) {
            if (py - vh + i >= sBottom) {
                side = side == 0 ? 5 : 7;
            }
        }
    } else {
        if (px - vw / 2 < r.x()) {
            if (px + vw - i < sRight) {
                side = side == 1 ? 11 : 9;
            }
        } else if (px + vw / 2 >= r.x() + r.width()) {
            if (px - vw + i >= sLeft) {
                side = side == 1 ? 10 : 8;
            }
        }
    }
    return side;
}

QPainterPath backgroundPath(const QRectF& viewFrame, int side, const Style& style, double scale) {
    const double s = scale;
    const double r = style.cornerRadius * s;
    const double b = style.arrowBaseWidth * s;
    const double h = style.arrowHeight * s;
    const double m = style.viewMargin * s;
    const QRectF c = viewFrame.adjusted(-m, -m, m, m);

    const double left = std::ceil(s * c.x() + 0.5);
    const double right = std::floor(s * (c.x() + c.width()) - 0.5);
    const double bottom = std::ceil(s * c.y() + 0.5);
    const double top = std::floor(s * (c.y() + c.height()) - 0.5);
    const double mx = s * (c.x() + c.width() / 2);
    const double my = s * (c.y() + c.height() / 2);

    const Corners round = roundedCorners(side, style, r);
    const Edge edge = arrowEdge(side);

    auto arrow = [&](QPainterPath& path, Edge on, QPointF at) {
        if (!style.hasArrow || edge != on) {
            return;
        }
        if (path.currentPosition() != at) {
            path.lineTo(at);
        }
        const double x = at.x(), y = at.y();
        switch (on) {
        case Edge::Top:
            path.lineTo(x + b / 2, y + h);
            path.lineTo(x + b, y);
            break;
        case Edge::Right:
            path.lineTo(x + h, y - b / 2);
            path.lineTo(x, y - b);
            break;
        case Edge::Bottom:
            path.lineTo(x - b / 2, y - h);
            path.lineTo(x - b, y);
            break;
        case Edge::Left:
            path.lineTo(x - h, y + b / 2);
            path.lineTo(x, y + b);
            break;
        case Edge::None:
            break;
        }
    };

    QPainterPath path;
    // Top edge, left to right.
    const double topStart = round.topLeft ? left + r : left;
    const double topEnd = round.topRight ? right - r : right;
    path.moveTo(topStart, top);
    const double topArrowX = side == 1 ? mx - b / 2 : side == 10 ? topEnd - b : topStart;
    arrow(path, Edge::Top, {topArrowX, top});
    path.lineTo(topEnd, top);
    if (round.topRight) {
        cornerArc(path, {right, top}, {right, top - r});
    }

    // Right edge, top to bottom.
    const double rightStart = round.topRight ? top - r : top;
    const double rightEnd = round.bottomRight ? bottom + r : bottom;
    const double rightArrowY = side == 0 ? my + b / 2 : side == 4 ? rightEnd + b : rightStart;
    arrow(path, Edge::Right, {right, rightArrowY});
    path.lineTo(right, rightEnd);
    if (round.bottomRight) {
        cornerArc(path, {right, bottom}, {right - r, bottom});
    }

    // Bottom edge, right to left.
    const double bottomStart = round.bottomRight ? right - r : right;
    const double bottomEnd = round.bottomLeft ? left + r : left;
    const double bottomArrowX = side == 3 ? mx + b / 2 : side == 9 ? bottomEnd + b : bottomStart;
    arrow(path, Edge::Bottom, {bottomArrowX, bottom});
    path.lineTo(bottomEnd, bottom);
    if (round.bottomLeft) {
        cornerArc(path, {left, bottom}, {left, bottom + r});
    }

    // Left edge, bottom to top.
    const double leftStart = round.bottomLeft ? bottom + r : bottom;
    const double leftEnd = round.topLeft ? top - r : top;
    const double leftArrowY = side == 2 ? my - b / 2 : side == 7 ? leftEnd - b : leftStart;
    arrow(path, Edge::Left, {left, leftArrowY});
    path.lineTo(left, leftEnd);
    if (round.topLeft) {
        cornerArc(path, {left, top}, {topStart, top});
    }
    path.closeSubpath();
    return path;
}

Style applyBorderWidth(Style style, float value) {
    style.borderWidth = std::min(value, style.viewMargin);
    return style;
}

Style applyViewMargin(Style style, float value, QSizeF viewSize) {
    style.viewMargin = std::max(value, 0.0f);
    return applyCornerRadius(style, style.cornerRadius, viewSize);
}

Style applyCornerRadius(Style style, float value, QSizeF viewSize) {
    const auto shortSide = static_cast<float>(std::min(viewSize.width(), viewSize.height()));
    const float limit = (2 * style.viewMargin + shortSide - style.arrowBaseWidth) / 2;
    // A limit below zero (a tiny view with a wide arrow) must not make the
    // radius negative: the radius is never negative.
    style.cornerRadius = std::max(0.0f, std::min(value, limit));
    return applyArrowBaseWidth(style, style.arrowBaseWidth, viewSize);
}

Style applyArrowBaseWidth(Style style, float value, QSizeF viewSize) {
    const auto shortSide = static_cast<float>(std::min(viewSize.width(), viewSize.height()));
    float limit = 2 * style.viewMargin + shortSide - style.cornerRadius;
    if (style.drawsRoundCornerBesideArrow) {
        limit -= style.cornerRadius;
    }
    style.arrowBaseWidth = std::max(0.0f, std::min(value, limit));
    return style;
}

} // namespace TamsuToolKit::Bubble
