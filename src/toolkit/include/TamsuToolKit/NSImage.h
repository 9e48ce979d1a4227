#pragma once

#include <QImage>
#include <QWidget>
#include <TamsuToolKit/Export.h>

// Category NSView (NSImage). The view's PDF rendering maps to Qt's own rendering
// of the widget (QWidget::grab) at the screen's device pixel ratio.
namespace TamsuToolKit::NSImage {

TAMSUTOOLKIT_EXPORT QImage imageFromContent(QWidget* view);

} // namespace TamsuToolKit::NSImage
