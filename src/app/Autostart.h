#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace eboard {

// The login-item equivalent on a freedesktop session: an XDG autostart entry at
// autostartEntryPath().

// $XDG_CONFIG_HOME/autostart when that is an absolute path, else ~/.config/autostart.
std::filesystem::path autostartDirectory();

// The entry's text for the agent at executable: Exec quoted as the Desktop Entry
// standard requires, so paths with blanks or quotes start the right program; the name
// alone where the PATH finds this program by it; TryExec the same program.
std::string autostartEntry(const std::filesystem::path& executable);

// A value as a desktop entry's key file holds it: backslash, line breaks and tabs escaped.
std::string keyFileEscaped(std::string_view value);

// Writes the entry (creating the folder). Failures are silent, as for the login items:
// the result is for tests and diagnostics only.
bool addToAutostart(const std::filesystem::path& executable);

} // namespace eboard
