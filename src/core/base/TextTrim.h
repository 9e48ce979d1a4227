#pragma once

#include <string_view>

namespace eboard {

// The text without the blanks, tabs and carriage returns around it: key-file and settings
// lines as editors leave them.
inline std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

} // namespace eboard
