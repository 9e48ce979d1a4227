#pragma once

#include <QImage>
#include <QRectF>
#include <TamsuToolKit/Export.h>

// Category NSImage (Extent).
namespace TamsuToolKit::Extent {

// (0, 0, width, height) of the image.
TAMSUTOOLKIT_EXPORT QRectF extent(const QImage& image);

} // namespace TamsuToolKit::Extent
