#pragma once

#include <QColor>
#include <QString>
#include <TamsuToolKit/Export.h>

// Category NSColor (Hex): colours from "RRGGBB" strings ("#" anywhere and an
// optional 0x prefix allowed). NSColor maps to QColor (RGB, floating point).
namespace TamsuToolKit::Hex {

// Bits 16-23 red, 8-15 green, 0-7 blue of the hexadecimal number at the start
// of the string; bits 24-31 are ignored and there is no three-digit short form.
// Nothing readable (or a null string) gives black.
TAMSUTOOLKIT_EXPORT QColor colorWithHexColorString(const QString& hexColorString, double alpha);
TAMSUTOOLKIT_EXPORT QColor colorWithHexColorString(const QString& hexColorString);

} // namespace TamsuToolKit::Hex
