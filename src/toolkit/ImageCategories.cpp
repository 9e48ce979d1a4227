// Categories on NSImage (Tint, Extent, CGImage, Rotate), over QImage.
#include <QPainter>
#include <TamsuToolKit/CGImage.h>
#include <TamsuToolKit/Extent.h>
#include <TamsuToolKit/Rotate.h>
#include <TamsuToolKit/Tint.h>
#include <cmath>

namespace TamsuToolKit {

QImage Tint::tintedImageWithColor(const QImage& image, const QColor& color) {
    QImage tinted = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&tinted);
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.fillRect(tinted.rect(), color);
    return tinted;
}

QRectF Extent::extent(const QImage& image) {
    return {0.0, 0.0, static_cast<double>(image.width()), static_cast<double>(image.height())};
}

QImage CGImage::CGImage(const QImage& image) {
    QImage bitmap(image.width(), image.height(), QImage::Format_ARGB32_Premultiplied);
    bitmap.fill(Qt::transparent);
    QPainter painter(&bitmap);
    painter.drawImage(QRect(0, 0, image.width(), image.height()), image);
    return bitmap;
}

QImage CGImage::imageFromCGImageRef(const QImage& bitmap) {
    QImage image(bitmap.width(), bitmap.height(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.drawImage(QPoint(0, 0), bitmap);
    return image;
}

QSizeF Rotate::rotatedSize(QSizeF size, std::int64_t angle) {
    const double theta = static_cast<double>(angle) * 3.141592653589793 / 180.0;
    const auto c = static_cast<float>(std::abs(std::cos(theta)));
    const auto s = static_cast<float>(std::abs(std::sin(theta)));
    const auto w = static_cast<float>(size.width());
    const auto h = static_cast<float>(size.height());
    return {h * s + w * c, h * c + w * s};
}

QImage Rotate::rotateByAngle(const QImage& image, std::int64_t angle) {
    if (angle % 360 == 0) {
        return image;
    }
    const QSizeF size = rotatedSize(image.size(), angle);
    QImage rotated(static_cast<int>(std::lround(size.width())),
                   static_cast<int>(std::lround(size.height())),
                   QImage::Format_ARGB32_Premultiplied);
    rotated.fill(Qt::transparent);
    QPainter painter(&rotated);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.translate(size.width() / 2, size.height() / 2);
    // Counterclockwise on screen: Qt's y axis points down, so the sign flips.
    painter.rotate(-static_cast<double>(angle));
    painter.drawImage(QPointF(-image.width() / 2.0, -image.height() / 2.0), image);
    return rotated;
}

} // namespace TamsuToolKit
