#pragma once

#include <QPointF>
#include <QRectF>

class QWidget;

namespace TamsuToolKit::detail {

// Conversion between Qt's global coordinates (y down) and the y-up screen space
// of the bubble geometry, whose origin is the bottom-left of the primary screen.
struct ScreenSpace {
    double primaryBottom = 0.0; // Qt y of the primary screen's bottom edge

    static ScreenSpace current();
    QPointF toYUp(QPointF qtGlobal) const { return {qtGlobal.x(), primaryBottom - qtGlobal.y()}; }
    QRectF toYUp(const QRectF& qtGlobal) const {
        return {qtGlobal.x(), primaryBottom - qtGlobal.y() - qtGlobal.height(), qtGlobal.width(),
                qtGlobal.height()};
    }
    QRectF toQt(const QRectF& yUp) const {
        return {yUp.x(), primaryBottom - yUp.y() - yUp.height(), yUp.width(), yUp.height()};
    }
};

} // namespace TamsuToolKit::detail
