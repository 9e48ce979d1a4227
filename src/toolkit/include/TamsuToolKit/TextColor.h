#pragma once

#include <QAbstractButton>
#include <QColor>
#include <TamsuToolKit/Export.h>

// Category NSButton (TextColor). The title's foreground colour maps to the
// button's QPalette::ButtonText colour (all colour groups), which every title the
// button shows uses; the control text colour is the palette's default.
namespace TamsuToolKit::TextColor {

TAMSUTOOLKIT_EXPORT QColor textColor(const QAbstractButton* button);
TAMSUTOOLKIT_EXPORT void setTextColor(QAbstractButton* button, const QColor& color);

} // namespace TamsuToolKit::TextColor
