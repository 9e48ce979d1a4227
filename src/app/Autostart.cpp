#include "app/Autostart.h"

#include "core/base/AtomicFile.h"
#include "core/base/DataPaths.h"

#include <cstdlib>
#include <span>
#include <string_view>

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
    for (char c : quoted) {
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
        case '%':
            escaped += "%%";
            break;
        default:
            escaped.push_back(c);
        }
    }
    return escaped;
}

} // namespace

std::filesystem::path autostartDirectory() {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome != nullptr && configHome[0] == '/') {
        return std::filesystem::path(configHome) / "autostart";
    }
    return homeDirectory() / ".config" / "autostart";
}

std::string autostartEntry(const std::filesystem::path& executable) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=eBoard Agent\n"
           "Comment=Pen driver for the HN-42 camera unit\n"
           "Exec=" +
           execArgument(executable.string()) +
           "\n"
           "Icon=eboard-agent\n"
           "Terminal=false\n"
           "NoDisplay=true\n"
           "X-GNOME-Autostart-enabled=true\n";
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
        directory / kAutostartFileName,
        std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

} // namespace eboard
