#include "core/base/DataPaths.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace eboard {

std::filesystem::path homeDirectory() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return home;
    }
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr) {
        return entry->pw_dir;
    }
    return "/";
}

std::filesystem::path dataDirectory(const std::filesystem::path& home) {
    return home / "Library" / "HN-42_driver";
}

std::filesystem::path archivePath(const std::filesystem::path& home) {
    return dataDirectory(home) / "eBoardSetting.archive";
}

std::filesystem::path thresholdsPath(const std::filesystem::path& home) {
    return dataDirectory(home) / "checkvalue.dat";
}

} // namespace eboard
