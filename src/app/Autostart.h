#pragma once

#include <filesystem>
#include <string>

namespace eboard {

// The login-item equivalent on a freedesktop session: an XDG autostart entry.
inline constexpr char kAutostartFileName[] = "eBoardAgent.desktop";

// $XDG_CONFIG_HOME/autostart when that is an absolute path, else ~/.config/autostart.
std::filesystem::path autostartDirectory();

// The entry's text for the agent at executable: Exec quoted as the Desktop Entry
// standard requires, so paths with blanks or quotes start the right program.
std::string autostartEntry(const std::filesystem::path& executable);

// Writes the entry (creating the folder). Failures are silent, as for the login items:
// the result is for tests and diagnostics only.
bool addToAutostart(const std::filesystem::path& executable);

} // namespace eboard
