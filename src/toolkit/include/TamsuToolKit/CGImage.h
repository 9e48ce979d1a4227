#pragma once

#include <QImage>
#include <TamsuToolKit/Export.h>

// Category NSImage (CGImage). A CGImage, a bitmap of 8-bit components with
// premultiplied alpha stored first, maps to QImage::Format_ARGB32_Premultiplied.
namespace TamsuToolKit::CGImage {

// The image rendered into such a bitmap of its whole-pixel size.
TAMSUTOOLKIT_EXPORT QImage CGImage(const QImage& image);

// A new image of the bitmap's pixel size with the bitmap drawn at (0, 0).
TAMSUTOOLKIT_EXPORT QImage imageFromCGImageRef(const QImage& bitmap);

} // namespace TamsuToolKit::CGImage
