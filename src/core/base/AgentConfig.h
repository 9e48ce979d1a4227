#pragma once
// The agent's remembered settings, "$XDG_CONFIG_HOME/eboard/agent.conf": lines of
// "key=value"; "#" starts a comment. An administrator's defaults for every user go to
// $XDG_CONFIG_DIRS/eboard/agent.conf (/etc/xdg/eboard/agent.conf). It holds the board output
// ("output") and the pen's smoothing ("smoothing" and its parameters, see core/pen/Smoothing.h).

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

namespace eboard {

// $XDG_CONFIG_HOME when that is an absolute path, else ~/.config.
std::filesystem::path userConfigDirectory();

// Where the session looks for the agent's login item: autostart/eBoardAgent.desktop in
// userConfigDirectory().
std::filesystem::path autostartEntryPath();

// $XDG_CONFIG_HOME/eboard/agent.conf (an absolute XDG_CONFIG_HOME only), else
// ~/.config/eboard/agent.conf.
std::filesystem::path agentConfigPath();

// The value of key in the file's text; the last line wins. Nothing when absent.
std::optional<std::string> configValue(std::string_view text, std::string_view key);
// The text with key set to value: its line replaced (others kept as they are), else added.
std::string withConfigValue(std::string_view text, std::string_view key, std::string_view value);

// The system-wide defaults: eboard/agent.conf in each folder of $XDG_CONFIG_DIRS (else
// /etc/xdg), the least important first.
std::vector<std::filesystem::path> systemConfigPaths();
// The settings in force: the system-wide files, then the user's at userPath, as one text
// in which a later line wins (the user's over an administrator's, the first folder of
// $XDG_CONFIG_DIRS over the next).
std::string readAgentSettings(const std::filesystem::path& userPath);

// The file's text; nothing when it is missing or cannot be read (a file that is there but
// unreadable, a FIFO say, is logged in one line naming it).
std::optional<std::string> readAgentConfig(const std::filesystem::path& path);
// Sets each key to its value, keeping the file's other lines; creates the folder. A file
// there that cannot be read is an error, not replaced.
using ConfigValues = std::span<const std::pair<std::string_view, std::string>>;
std::error_code writeConfigValues(const std::filesystem::path& path, ConfigValues values);

// The board output a settings text remembers; nothing when it names none.
std::optional<std::string> boardOutputChoiceOf(std::string_view text);
// The remembered board output ("primary" or an output name); nothing when the file or the
// key is missing or unreadable (a file that is there but unreadable, a FIFO say, is logged
// in one line naming it).
std::optional<std::string> readBoardOutputChoice(const std::filesystem::path& path);
// Remembers the board output, keeping the file's other lines; creates the folder. A file
// there that cannot be read is an error, not replaced.
std::error_code writeBoardOutputChoice(const std::filesystem::path& path, std::string_view choice);

} // namespace eboard
