#include <QFile>
#include <QMetaObject>
#include <QMutexLocker>
#include <QPaintEvent>
#include <QPainter>
#include <TamsuToolKit/TKImageView.h>

namespace TamsuToolKit {

TKImageView::TKImageView(QWidget* parent)
    : TKView(parent) {}

TKImageView::TKImageView(const QRect& frame, QWidget* parent)
    : TKView(frame, parent) {}

QImage TKImageView::image() const {
    QMutexLocker locker(&lock_);
    return image_;
}

void TKImageView::setImage(const QImage& image) {
    {
        QMutexLocker locker(&lock_);
        image_ = image;
        validImageBounds_ = false;
    }
    // Widgets may only be touched on their own thread.
    QMetaObject::invokeMethod(
        this, [this] { update(); }, Qt::AutoConnection);
}

void TKImageView::setImageURL(const QUrl& url) {
    imageURL_ = url;
    QString path;
    if (url.isLocalFile()) {
        path = url.toLocalFile();
    } else if (url.scheme() == QLatin1String("qrc")) {
        path = QLatin1Char(':') + url.path();
    }
    setImage(path.isEmpty() ? QImage() : QImage(path));
}

void TKImageView::setResizeMode(int mode) {
    resizeMode_ = mode;
    invalidateImageBounds();
    update();
}

void TKImageView::invalidateImageBounds() {
    QMutexLocker locker(&lock_);
    validImageBounds_ = false;
}

QRectF TKImageView::imageRectForResizeMode(QSizeF imageSize, QSizeF boundsSize, int mode) {
    if (mode == ResizeModeStretch) {
        return {QPointF(0.0, 0.0), boundsSize};
    }
    if (mode != ResizeModeFit) {
        return {};
    }
    const double iw = imageSize.width(), ih = imageSize.height();
    const double bw = boundsSize.width(), bh = boundsSize.height();
    if (ih / iw > bh / bw) {
        const double width = bh * iw / ih;
        return {(bw - width) / 2, 0.0, width, bh};
    }
    const double height = bw * ih / iw;
    return {0.0, (bh - height) / 2, bw, height};
}

QRectF TKImageView::imageBounds() const {
    QMutexLocker locker(&lock_);
    if (validImageBounds_ && imageBoundsViewSize_ == size()) {
        return imageBounds_;
    }
    if (image_.isNull()) {
        imageBounds_ = QRectF();
        return imageBounds_;
    }
    imageBounds_ = imageRectForResizeMode(image_.deviceIndependentSize(), size(), resizeMode_);
    imageBoundsViewSize_ = size();
    validImageBounds_ = true;
    return imageBounds_;
}

void TKImageView::setImageBounds(const QRectF& bounds) {
    QMutexLocker locker(&lock_);
    imageBounds_ = bounds;
}

void TKImageView::setBackgroundColor(std::optional<QColor> color) {
    TKView::setBackgroundColor(color);
    update();
}

void TKImageView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (const auto color = backgroundColor()) {
        painter.fillRect(event->rect(), *color);
    }
    const QImage shown = image();
    if (!shown.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.setOpacity(1.0);
        painter.drawImage(imageBounds(), shown);
    }
}

void TKImageView::resizeEvent(QResizeEvent* event) {
    TKView::resizeEvent(event);
    invalidateImageBounds();
    update();
}

} // namespace TamsuToolKit
