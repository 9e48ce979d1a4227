#include "app/Autostart.h"

#include "app/AgentDesktopEntry.h"
#include "core/base/AgentConfig.h"
#include "core/base/AtomicFile.h"

#include <cstdlib>
#include <span>
#include <string_view>
#include <unistd.h>

namespace eboard {

namespace {

constexpr std::string_view kReservedInExec = " \t\n\"'\\><~|&;$*?#()`";

// Quoting of the Exec key (a literal % is %%, else it reads as a field code), then the
// key file's own escapes, so that no character of the path can end the line.
std::string execArgument(const std::string& path) {
    std::string quoted;
    if (path.find_first_of(kReservedInExec) == std::string::npos) {
        quoted = path;
    } else {
        quoted.push_back('"');
        for (char c : path) {
            if (c == '"' || c == '`' || c == '$' || c == '\\') {
                quoted.push_back('\\');
            }
            quoted.push_back(c);
        }
        quoted.push_back('"');
    }
    std::string escaped;
    for (char c : keyFileEscaped(quoted)) {
        if (c == '%') {
            escaped += "%%";
        } else {
            escaped.push_back(c);
        }
    }
    return escaped;
}

// The name alone when looking it up on the PATH finds this very program (an installed
// agent), else the whole path (a build tree, a copy elsewhere).
std::string commandFor(const std::filesystem::path& executable) {
    const std::string name = executable.filename().string();
    const char* path = std::getenv("PATH");
    std::string_view folders = path != nullptr ? path : "";
    while (!folders.empty() && !name.empty()) {
        const auto colon = folders.find(':');
        const std::filesystem::path folder(folders.substr(0, colon));
        folders = colon == std::string_view::npos ? std::string_view{} : folders.substr(colon + 1);
        if (folder.empty() || ::access((folder / name).c_str(), X_OK) != 0) {
            continue;
        }
        std::error_code error;
        // The first one found is the one a login would start.
        return std::filesystem::equivalent(folder / name, executable, error) ? name
                                                                             : executable.string();
    }
    return executable.string();
}

} // namespace

std::string keyFileEscaped(std::string_view value) {
    std::string escaped;
    for (char c : value) {
        switch (c) {
        case '\\':
            escaped += "\\\\";
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\t':
            escaped += "\\t";
            break;
        case '\r':
            escaped += "\\r";
            break;
        default:
            escaped.push_back(c);
        }
    }
    return escaped;
}

std::filesystem::path autostartDirectory() {
    return autostartEntryPath().parent_path();
}

std::string autostartEntry(const std::filesystem::path& executable) {
    const std::string command = commandFor(executable);
    std::string entry = "[Desktop Entry]\n"
                        "Type=Application\n";
    // Session settings list startup programs by name: in every language the agent speaks,
    // as its installed entry says it.
    for (const std::string_view key : {"Name", "Comment"}) {
        for (const std::string_view line : desktopEntryLines(agentDesktopEntry(), key)) {
            entry.append(line).append("\n");
        }
    }
    // TryExec: a session skips the entry once the program is gone (a removed package, a
    // deleted build tree) instead of failing at every login.
    entry += "TryExec=" + keyFileEscaped(command) + "\n";
    entry += "Exec=" + execArgument(command) + "\n";
    if (const auto icon = desktopEntryValue(agentDesktopEntry(), "Icon")) {
        entry.append("Icon=").append(*icon).append("\n");
    }
    entry += "Terminal=false\n"
             "NoDisplay=true\n"
             "X-GNOME-Autostart-enabled=true\n";
    return entry;
}

bool addToAutostart(const std::filesystem::path& executable) {
    std::error_code error;
    const std::filesystem::path directory = autostartDirectory();
    std::filesystem::create_directories(directory, error);
    if (error) {
        return false;
    }
    const std::string text = autostartEntry(executable);
    return !writeFileAtomically(
        autostartEntryPath(),
        std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

} // namespace eboard
