#pragma once

#include "core/layout/DialogLayout.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;
class QPixmap;

namespace eboard {

// Layout rectangles have their origin at the bottom-left of a view of height viewHeight;
// widgets and painters have theirs at the top-left.
QRectF toWidgetRect(const dialog_layout::Rect& rect, double viewHeight);

// The desktop's sans-serif face at a size in pixels.
QFont sansSerifFont(int pixelSize);

// Text wrapped into rect from its top, left-aligned.
void drawWrappedText(QPainter& painter, const QString& text, const QRectF& rect, const QFont& font,
                     const QColor& colour);

// A picture's size in logical pixels.
QSizeF naturalSize(const QPixmap& picture);

} // namespace eboard
