#include "app/AgentDesktopEntry.h"

#include "AgentDesktopEntryText.h"
#include "core/base/TextTrim.h"

namespace eboard {

namespace {

// Calls take(line, key with any locale, value) for each key line of the main group.
template <typename Take> void forEachMainLine(std::string_view entry, Take take) {
    bool inMainGroup = false;
    while (!entry.empty()) {
        const auto end = entry.find('\n');
        const std::string_view line = trimmed(entry.substr(0, end));
        entry = end == std::string_view::npos ? std::string_view{} : entry.substr(end + 1);
        if (line.starts_with('[')) {
            inMainGroup = line == "[Desktop Entry]";
            continue;
        }
        const auto equals = line.find('=');
        if (!inMainGroup || line.starts_with('#') || equals == std::string_view::npos) {
            continue;
        }
        take(line, trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1)));
    }
}

} // namespace

std::string_view agentDesktopEntry() {
    return kAgentDesktopEntryText;
}

std::vector<std::string_view> desktopEntryLines(std::string_view entry, std::string_view key) {
    std::vector<std::string_view> lines;
    forEachMainLine(entry, [&](std::string_view line, std::string_view name, std::string_view) {
        const bool localised = name.starts_with(key) && name.size() > key.size() + 2 &&
                               name[key.size()] == '[' && name.ends_with(']');
        if (name == key || localised) {
            lines.push_back(line);
        }
    });
    return lines;
}

std::optional<std::string_view> desktopEntryValue(std::string_view entry, std::string_view key) {
    std::optional<std::string_view> found;
    forEachMainLine(entry, [&](std::string_view, std::string_view name, std::string_view value) {
        if (name == key && !found) {
            found = value;
        }
    });
    return found;
}

} // namespace eboard
