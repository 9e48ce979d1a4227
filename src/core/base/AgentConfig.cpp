#include "core/base/AgentConfig.h"

#include "core/base/AtomicFile.h"
#include "core/base/DataFile.h"
#include "core/base/DataPaths.h"
#include "core/base/Log.h"
#include "core/base/TextTrim.h"

#include <cstdint>
#include <cstdlib>
#include <span>

namespace eboard {

namespace {

constexpr std::string_view kOutputKey = "output";
constexpr std::size_t kMaxConfigBytes = 1 << 20;

std::string textOf(const DataFile& file) {
    return {file.bytes.begin(), file.bytes.end()};
}

// The key of a "key=value" line; nothing for comments and other lines.
std::optional<std::string_view> lineKey(std::string_view line) {
    const std::string_view content = trimmed(line);
    const auto equals = content.find('=');
    if (content.empty() || content.front() == '#' || equals == std::string_view::npos) {
        return std::nullopt;
    }
    return trimmed(content.substr(0, equals));
}

template <typename Visit> void forEachLine(std::string_view text, Visit visit) {
    while (!text.empty()) {
        const auto end = text.find('\n');
        visit(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
}

} // namespace

std::filesystem::path userConfigDirectory() {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    return configHome != nullptr && configHome[0] == '/' ? std::filesystem::path(configHome)
                                                         : homeDirectory() / ".config";
}

std::filesystem::path autostartEntryPath() {
    return userConfigDirectory() / "autostart" / "eBoardAgent.desktop";
}

std::filesystem::path agentConfigPath() {
    return userConfigDirectory() / "eboard" / "agent.conf";
}

std::optional<std::string> configValue(std::string_view text, std::string_view key) {
    std::optional<std::string> value;
    forEachLine(text, [&](std::string_view line) {
        if (lineKey(line) == key) {
            value = std::string(trimmed(line.substr(line.find('=') + 1)));
        }
    });
    return value;
}

std::string withConfigValue(std::string_view text, std::string_view key, std::string_view value) {
    const std::string newLine = std::string(key) + "=" + std::string(value);
    std::string result;
    bool replaced = false;
    forEachLine(text, [&](std::string_view line) {
        if (lineKey(line) == key) {
            if (replaced) {
                return; // one line per key from now on
            }
            result += newLine;
            replaced = true;
        } else {
            result += line;
        }
        result += '\n';
    });
    if (!replaced) {
        result += newLine + "\n";
    }
    return result;
}

std::vector<std::filesystem::path> systemConfigPaths() {
    const char* dirs = std::getenv("XDG_CONFIG_DIRS");
    std::string_view list = dirs != nullptr && dirs[0] != '\0' ? dirs : "/etc/xdg";
    std::vector<std::filesystem::path> paths;
    while (!list.empty()) {
        const auto colon = list.find(':');
        const std::filesystem::path folder(list.substr(0, colon));
        list = colon == std::string_view::npos ? std::string_view{} : list.substr(colon + 1);
        // Relative entries are invalid there and ignored.
        if (folder.is_absolute()) {
            paths.insert(paths.begin(), folder / "eboard" / "agent.conf");
        }
    }
    return paths;
}

std::string readAgentSettings(const std::filesystem::path& userPath) {
    std::string text;
    for (const std::filesystem::path& path : systemConfigPaths()) {
        text += readAgentConfig(path).value_or(std::string());
        text += '\n';
    }
    return text + readAgentConfig(userPath).value_or(std::string());
}

std::optional<std::string> readAgentConfig(const std::filesystem::path& path) {
    const DataFile file = readDataFile(path, kMaxConfigBytes);
    if (file.error) {
        if (!file.missing()) {
            logWarning("ignoring the agent's settings in " + path.string() + " (" +
                       file.error.message() + ")");
        }
        return std::nullopt;
    }
    return textOf(file);
}

std::error_code writeConfigValues(const std::filesystem::path& path, ConfigValues values) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error) {
        return error;
    }
    const DataFile old = readDataFile(path, kMaxConfigBytes);
    if (old.error && !old.missing()) {
        return old.error; // its other lines would be lost
    }
    std::string text = textOf(old);
    for (const auto& [key, value] : values) {
        text = withConfigValue(text, key, value);
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    return writeFileAtomically(path, std::span<const std::uint8_t>(bytes, text.size()));
}

std::optional<std::string> boardOutputChoiceOf(std::string_view text) {
    auto value = configValue(text, kOutputKey);
    if (value && value->empty()) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::string> readBoardOutputChoice(const std::filesystem::path& path) {
    const std::optional<std::string> text = readAgentConfig(path);
    return text ? boardOutputChoiceOf(*text) : std::nullopt;
}

std::error_code writeBoardOutputChoice(const std::filesystem::path& path, std::string_view choice) {
    const std::pair<std::string_view, std::string> value{kOutputKey, std::string(choice)};
    return writeConfigValues(path, ConfigValues(&value, 1));
}

} // namespace eboard
