#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace eboard {

// The agent's desktop entry (resources/eBoardAgent.desktop, the one the package installs)
// as built into the program: the one place of its names, comments and icon.
std::string_view agentDesktopEntry();

// The lines of entry's [Desktop Entry] group that set key, unlocalised or for a locale
// ("Name", "Name[de]", ...), as written and in their order.
std::vector<std::string_view> desktopEntryLines(std::string_view entry, std::string_view key);

// The unlocalised value of key in entry's [Desktop Entry] group; nothing without one.
std::optional<std::string_view> desktopEntryValue(std::string_view entry, std::string_view key);

} // namespace eboard
