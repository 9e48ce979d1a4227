#pragma once

#include <filesystem>

namespace eboard {

// The user's home directory: $HOME, else the password database's entry.
std::filesystem::path homeDirectory();

// "Library/HN-42_driver" under home: its absence marks the first run.
std::filesystem::path dataDirectory(const std::filesystem::path& home = homeDirectory());
// The calibration archive "eBoardSetting.archive" in the data directory.
std::filesystem::path archivePath(const std::filesystem::path& home = homeDirectory());
// The grading thresholds file "checkvalue.dat" in the data directory.
std::filesystem::path thresholdsPath(const std::filesystem::path& home = homeDirectory());

} // namespace eboard
