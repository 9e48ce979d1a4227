#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <TamsuToolKit/Export.h>

// Pure layout rules of the speech-bubble window (MAAttachedWindow). Everything
// here works in a y-up plane with its origin at the bottom-left of the primary
// screen; the window class converts to Qt's y-down coordinates once, at its
// boundary. `scale` is the user-space scale factor every length is multiplied
// by (1.0 for Qt's device-independent pixels).
namespace TamsuToolKit::Bubble {

// Sides: where the bubble sits relative to the point its arrow touches.
//  0 left, centred      1 below, centred      2 right, centred     3 above, centred
//  4 left, extends up   5 left, extends down  6 right, extends up  7 right, extends down
//  8 above, extends left  9 above, extends right  10 below, extends left
// 11 below, extends right  12 automatic (resolved once, at creation)
inline constexpr int AutomaticSide = 12;

struct Style {
    float borderWidth = 2.0f;
    float viewMargin = 2.0f;
    float arrowBaseWidth = 20.0f;
    float arrowHeight = 16.0f;
    bool hasArrow = true;
    float cornerRadius = 8.0f;
    bool drawsRoundCornerBesideArrow = true;
};

struct Layout {
    QRectF windowFrame; // in screen coordinates
    QRectF viewFrame;   // content view inside the window
};

// Distance from a bubble corner to the arrow's centre line when the arrow sits
// next to that corner.
TAMSUTOOLKIT_EXPORT double arrowInset(const Style& style, double scale);

// The geometry step: window frame and content-view frame for a content view of
// `viewSize` whose bubble points at `anchor` (screen coordinates).
TAMSUTOOLKIT_EXPORT Layout updateGeometry(QSizeF viewSize, QPointF anchor, int side, float distance,
                                          const Style& style, double scale);

// The automatic side: first of below, right, left, above that fits on
// `visibleScreen`, refined to a corner variant against `parentFrame` (pass the
// visible screen again when there is no parent window).
TAMSUTOOLKIT_EXPORT int bestSideForAutomaticPosition(QSizeF viewSize, QPointF anchor,
                                                     float distance, const Style& style,
                                                     const QRectF& visibleScreen,
                                                     const QRectF& parentFrame, double scale);

// The bubble outline in the window's own y-up coordinates, clockwise from the
// top-left, with the arrow inserted into its edge.
TAMSUTOOLKIT_EXPORT QPainterPath backgroundPath(const QRectF& viewFrame, int side,
                                                const Style& style, double scale);

// Setter rules. `viewSize` is the stored content-view frame's size.
TAMSUTOOLKIT_EXPORT Style applyBorderWidth(Style style, float value);
TAMSUTOOLKIT_EXPORT Style applyViewMargin(Style style, float value, QSizeF viewSize);
TAMSUTOOLKIT_EXPORT Style applyCornerRadius(Style style, float value, QSizeF viewSize);
TAMSUTOOLKIT_EXPORT Style applyArrowBaseWidth(Style style, float value, QSizeF viewSize);

} // namespace TamsuToolKit::Bubble
