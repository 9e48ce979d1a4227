#pragma once

// Everything in libTamsuToolKit is hidden unless marked with this macro, so the
// exported ABI is exactly the set of declarations in these headers.
#define TAMSUTOOLKIT_EXPORT __attribute__((visibility("default")))
