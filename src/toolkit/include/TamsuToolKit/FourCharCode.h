#pragma once

#include <QString>
#include <TamsuToolKit/Export.h>
#include <cstdint>

// Category NSNumber (FourCharCode). NSNumber maps to a plain integer.
namespace TamsuToolKit::FourCharCode {

// The low 32 bits as four bytes, most significant first, decoded as Mac OS Roman.
TAMSUTOOLKIT_EXPORT QString fourCharCodeString(std::int64_t number);

} // namespace TamsuToolKit::FourCharCode
