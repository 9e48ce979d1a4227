#pragma once

#include <QString>
#include <TamsuToolKit/Export.h>

// Category NSString (UUID).
namespace TamsuToolKit::UUID {

// A fresh random UUID as 36 characters, upper-case hexadecimal groups of
// 8-4-4-4-12 separated by hyphens.
TAMSUTOOLKIT_EXPORT QString UUIDString();

} // namespace TamsuToolKit::UUID
