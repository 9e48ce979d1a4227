#pragma once

#include "core/calibration/SettingData.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <system_error>
#include <vector>

namespace eboard {

// A SettingData record as a keyed archive, byte-compatible with Foundation's
// NSKeyedArchiver: a binary property list whose root object is of class "SettingData"
// and holds the eight fields as 4-byte reals under their keys.
std::vector<std::uint8_t> encodeSettingArchive(const SettingData& data);

// Decodes what Foundation's unarchiver would accept: binary or XML, either top-level
// key order, values stored as integers or 4- or 8-byte reals; a missing key keeps 1.0.
// Anything that is not a keyed archive with a SettingData root gives nullopt.
std::optional<SettingData> decodeSettingArchive(std::span<const std::uint8_t> bytes);

// Writes the archive atomically (a crash never leaves half a file).
std::error_code writeSettingArchive(const std::filesystem::path& path, const SettingData& data);

struct SettingArchiveLoad {
    enum class Outcome { Loaded, Missing, Unreadable };
    Outcome outcome = Outcome::Missing;
    SettingData data; // the decoded record, or the defaults
};

// Reads the archive at path. A missing file keeps the defaults silently; anything else
// there that is no readable SettingData archive (other bytes, a FIFO, a folder, a link
// loop) keeps the defaults and logs one warning line naming the file and why.
SettingArchiveLoad readSettingArchive(const std::filesystem::path& path);
// The same without a word: for questions asked again and again. *reason (if given) says
// why an unreadable archive is.
SettingArchiveLoad peekSettingArchive(const std::filesystem::path& path,
                                      std::string* reason = nullptr);

} // namespace eboard
