#include "ui/common/DrawnButton.h"

#include "ui/AppResources.h"
#include "ui/common/Accessibility.h"

#include <QMouseEvent>
#include <QPainter>

namespace eboard {

namespace {
// The focus ring: a light line at the edge with a dark one inside it, so that it shows on
// the light and the dark faces alike.
const QColor kRingOuter(255, 255, 255);
const QColor kRingInner(8, 18, 32);
constexpr double kRingRadius = 6.0;

void drawFocusRing(QPainter& painter, const QRectF& bounds) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kRingOuter, 2.0));
    painter.drawRoundedRect(bounds.adjusted(1, 1, -1, -1), kRingRadius, kRingRadius);
    painter.setPen(QPen(kRingInner, 2.0));
    painter.drawRoundedRect(bounds.adjusted(3, 3, -3, -3), kRingRadius - 2, kRingRadius - 2);
}
} // namespace

DrawnButton::DrawnButton(QWidget* parent)
    : QWidget(parent) {
    installAccessibleInterfaces();
    // Whatever lies behind shows where the face is transparent or absent.
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
}

QString DrawnButton::label() const {
    return pictureString(face().label);
}

void DrawnButton::paintEvent(QPaintEvent*) {
    const QString name = faceFileName();
    const QPixmap picture = name.isEmpty() ? QPixmap() : loadPicture(name);
    if (picture.isNull() && !hasFocus()) {
        return;
    }
    QPainter painter(this);
    if (!picture.isNull()) {
        painter.setClipRect(rect());
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), picture);
    }
    if (hasFocus()) {
        drawFocusRing(painter, rect());
    }
}

void DrawnButton::mousePressEvent(QMouseEvent* event) {
    // Accepting the press is what makes the release come back here.
    event->setAccepted(event->button() == Qt::LeftButton);
}

void DrawnButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    clicked();
}

} // namespace eboard
