#pragma once

#include <TamsuToolKit/Export.h>

#include <QImage>
#include <QRectF>

// Category NSImage (Extent).
namespace TamsuToolKit::Extent {

// (0, 0, width, height) of the image.
TAMSUTOOLKIT_EXPORT QRectF extent(const QImage& image);

} // namespace TamsuToolKit::Extent
