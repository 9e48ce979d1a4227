#include "ui/common/DrawnView.h"

#include <QPixmap>

namespace eboard {

QRectF toQtRect(const layout::RectD& rect, double viewHeight) {
    const layout::RectD r = layout::toTopDown(rect, viewHeight);
    return {r.x, r.y, r.width, r.height};
}

QFont helveticaFont(int pixelSize) {
    QFont font(QStringLiteral("Helvetica"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

QFont helveticaObliqueFont(int pixelSize) {
    QFont font = helveticaFont(pixelSize);
    font.setItalic(true);
    return font;
}

QColor deviceRgb(double red, double green, double blue) {
    return QColor::fromRgbF(float(red), float(green), float(blue), 1.0f);
}

QSizeF logicalSize(const QPixmap& picture) {
    return QSizeF(picture.size()) / picture.devicePixelRatio();
}

DrawnView::DrawnView(QWidget* parent)
    : QWidget(parent) {
    // The view paints every pixel it owns.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DrawnView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    draw(painter);
    painter.end();
    ++paintCount_;
    emit painted();
}

void DrawnView::fillRect(QPainter& painter, const layout::RectD& rect, const QColor& color) const {
    painter.fillRect(toQtRect(rect, flipHeight()), color);
}

void DrawnView::strokeRect(QPainter& painter, const layout::RectD& rect, const QColor& color,
                           double lineWidth) const {
    painter.save();
    QPen pen(color);
    pen.setWidthF(lineWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(toQtRect(rect, flipHeight()));
    painter.restore();
}

void DrawnView::drawText(QPainter& painter, const layout::RectD& rect, const QString& text,
                         const QFont& font, const QColor& color) const {
    painter.save();
    painter.setFont(font);
    painter.setPen(color);
    const QRectF box = toQtRect(rect, flipHeight());
    painter.setClipRect(box);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    painter.restore();
}

void DrawnView::drawPicture(QPainter& painter, const QPixmap& picture, PointD origin,
                            QPainter::CompositionMode mode) const {
    if (picture.isNull()) {
        return;
    }
    const QSizeF size = logicalSize(picture);
    const QRectF target =
        toQtRect(layout::RectD{origin.x, origin.y, size.width(), size.height()}, flipHeight());
    painter.save();
    painter.setCompositionMode(mode);
    painter.drawPixmap(target, picture, QRectF(picture.rect()));
    painter.restore();
}

} // namespace eboard
