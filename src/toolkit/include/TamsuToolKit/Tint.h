#pragma once

#include <QColor>
#include <QImage>
#include <TamsuToolKit/Export.h>

// Category NSImage (Tint). NSImage maps to QImage.
namespace TamsuToolKit::Tint {

// A copy of `image` painted with `color` where the image is opaque (source-atop);
// its transparency is kept.
TAMSUTOOLKIT_EXPORT QImage tintedImageWithColor(const QImage& image, const QColor& color);

} // namespace TamsuToolKit::Tint
