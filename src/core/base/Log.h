#pragma once

#include <string_view>

namespace eboard {

// One line on standard error, prefixed with the program's name. Used for the few
// conditions a user must hear about (an unreadable archive, a device that won't open).
// Where standard error is the journal (JOURNAL_STREAM names it), the line starts with its
// priority: <4> warning, <6> info.
void logWarning(std::string_view message);
void logInfo(std::string_view message);

} // namespace eboard
