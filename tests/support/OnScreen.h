#pragma once
// What a screen shows where a layout puts something: layout rectangles (origin bottom-left)
// as rectangles of the screen (origin top-left), and the screen read back as an image.

#include "core/layout/Rect.h"
#include "support/XDesktop.h"

#include <QImage>
#include <QRect>
#include <gtest/gtest.h>

namespace eboard::testing {

// A y-up rectangle of a screen screenHeight high, top-down.
inline QRect onScreen(const layout::RectD& rect, int screenHeight) {
    const layout::RectD r = layout::toTopDown(rect, screenHeight);
    return QRectF(r.x, r.y, r.width, r.height).toRect();
}

// Everything on the X screen now.
inline QImage screenshot(const XDesktop& desktop) {
    const std::vector<std::uint32_t> pixels = desktop.pixels();
    if (pixels.empty()) {
        ADD_FAILURE() << "cannot read the screen";
        return {};
    }
    return QImage(reinterpret_cast<const uchar*>(pixels.data()), desktop.width(), desktop.height(),
                  QImage::Format_RGB32)
        .copy();
}

} // namespace eboard::testing
