#pragma once

#include <QFont>
#include <QSizeF>
#include <QString>
#include <TamsuToolKit/Export.h>

// Category NSString (Size). Text layout maps to QTextLayout.
namespace TamsuToolKit::Size {

// Size of the area the string uses when laid out in `font`, wrapped at word
// boundaries to the constraint's width; lines beyond its height are left out.
TAMSUTOOLKIT_EXPORT QSizeF sizeWithFont(const QString& string, const QFont& font,
                                        QSizeF constrainedToSize);

} // namespace TamsuToolKit::Size
