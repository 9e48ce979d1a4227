#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

namespace eboard {

// Text from outside (a file's field, a bus message) made safe to print on one terminal
// line: control characters, C1 controls and bytes that are not UTF-8 become escapes
// (\n, \t, \r, \e, \xNN, \u0085), a backslash is doubled, so no byte can start a new
// line or steer the terminal. Input beyond maxBytes is cut, and the cut is said, with
// the whole length, so a huge field never makes a huge message.
std::string printableText(std::string_view text,
                          std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

} // namespace eboard
