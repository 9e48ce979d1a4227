#pragma once

#include <QString>
#include <TamsuToolKit/Export.h>
#include <cstdint>

// Category NSString (IOReturn). Linux has no I/O Kit; the table of I/O Kit status
// codes is kept so that codes coming from macOS peers or logs can still be named.
namespace TamsuToolKit::IOReturn {

// Message of an I/O Kit status code, or a null QString for an unknown code. The
// code matches when, read as a signed 64-bit integer, it equals the table's signed
// 32-bit value: pass a code held in a signed 32-bit variable (it sign-extends).
TAMSUTOOLKIT_EXPORT QString stringFromIOReturnValue(std::uint64_t code);

} // namespace TamsuToolKit::IOReturn
