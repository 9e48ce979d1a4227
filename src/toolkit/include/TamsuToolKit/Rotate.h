#pragma once

#include <QImage>
#include <QSizeF>
#include <TamsuToolKit/Export.h>
#include <cstdint>

// Category NSImage (Rotate).
namespace TamsuToolKit::Rotate {

// The image turned by `angle` degrees, counterclockwise as seen on screen, in a
// new image just large enough for it (sizes in single precision, then rounded to
// whole pixels). A whole multiple of 360 answers the same (shared) image.
TAMSUTOOLKIT_EXPORT QImage rotateByAngle(const QImage& image, std::int64_t angle);

// The size rotateByAngle gives for `size` and `angle`, before rounding.
TAMSUTOOLKIT_EXPORT QSizeF rotatedSize(QSizeF size, std::int64_t angle);

} // namespace TamsuToolKit::Rotate
