#include "DemoPicture.h"

#include <QLinearGradient>
#include <QPainter>

QImage makeDemoPicture() {
    QImage picture(160, 100, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 100);
    sky.setColorAt(0.0, QColor(0x3a, 0x7b, 0xd5));
    sky.setColorAt(1.0, QColor(0xa8, 0xd8, 0xf0));
    painter.fillRect(picture.rect(), sky);
    painter.setBrush(QColor(0xf5, 0xc5, 0x18));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(120, 30), 16, 16);
    painter.setBrush(QColor(0x2e, 0x8b, 0x57));
    painter.drawPolygon(QPolygonF{{0, 100}, {50, 45}, {95, 100}});
    painter.drawPolygon(QPolygonF{{60, 100}, {115, 55}, {160, 100}});
    return picture;
}
