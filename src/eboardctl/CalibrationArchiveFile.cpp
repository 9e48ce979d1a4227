#include "CalibrationArchiveFile.h"

#include "Command.h"
#include "core/base/DataPaths.h"
#include "core/base/Plist.h"
#include "core/calibration/SettingArchive.h"

namespace eboardctl {

std::filesystem::path recordPath(const std::optional<std::string>& fileOption) {
    return fileOption ? std::filesystem::path(*fileOption) : eboard::archivePath();
}

eboard::SettingData readRecord(const std::filesystem::path& path) {
    std::error_code error;
    const auto bytes = eboard::plist::readFile(path, 1 << 20, error);
    if (error) {
        throw Failure("cannot read " + path.string() + ": " + error.message());
    }
    std::optional<eboard::SettingData> record = eboard::decodeSettingArchive(bytes);
    if (!record) {
        throw Failure(path.string() + " is not a SettingData calibration archive");
    }
    return *record;
}

} // namespace eboardctl
