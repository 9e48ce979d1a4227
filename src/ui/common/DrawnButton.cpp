#include "ui/common/DrawnButton.h"

#include "ui/AppResources.h"

#include <QMouseEvent>
#include <QPainter>

namespace eboard {

DrawnButton::DrawnButton(QWidget* parent)
    : QWidget(parent) {
    // Whatever lies behind shows where the face is transparent or absent.
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
}

void DrawnButton::paintEvent(QPaintEvent*) {
    const QString face = faceFileName();
    if (face.isEmpty()) {
        return;
    }
    const QPixmap picture = loadPicture(face);
    if (picture.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setClipRect(rect());
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture);
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
