#include "ui/dialogs/DialogPainting.h"

#include <QPainter>
#include <QPixmap>

namespace eboard {

QRectF toWidgetRect(const dialog_layout::Rect& rect, double viewHeight) {
    return {rect.x, viewHeight - rect.y - rect.height, rect.width, rect.height};
}

QFont sansSerifFont(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("Helvetica"), QStringLiteral("sans-serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

void drawWrappedText(QPainter& painter, const QString& text, const QRectF& rect, const QFont& font,
                     const QColor& colour) {
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    painter.restore();
}

QSizeF naturalSize(const QPixmap& picture) {
    return picture.deviceIndependentSize();
}

} // namespace eboard
