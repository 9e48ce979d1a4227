#include "CalibrationArchiveFile.h"

#include "Command.h"
#include "core/base/DataFile.h"
#include "core/base/DataPaths.h"
#include "core/calibration/CalibrationData.h"
#include "core/calibration/SettingArchive.h"
#include "core/pen/ProjectiveMapping.h"
#include "core/state/JUXPrompt.h"

namespace eboardctl {

std::filesystem::path recordPath(const std::optional<std::string>& fileOption) {
    return fileOption ? std::filesystem::path(*fileOption) : eboard::archivePath();
}

eboard::SettingData readRecord(const std::filesystem::path& path) {
    const eboard::DataFile file = eboard::readDataFile(path, 1 << 20);
    if (file.error) {
        throw Failure("cannot read " + path.string() + ": " + file.error.message());
    }
    std::optional<eboard::SettingData> record = eboard::decodeSettingArchive(file.bytes);
    if (!record) {
        throw Failure(path.string() + " is not a SettingData calibration archive");
    }
    return *record;
}

bool mapsThePen(const eboard::SettingData& record) {
    eboard::JUXPrompt& prompt = eboard::JUXPrompt::getPrompt();
    prompt.setSettingData(record);
    prompt.setScreenWidth(1920);
    prompt.setScreenHeight(1080);
    eboard::initCalibrateData();
    return eboard::penToScreenMapping().isUsable();
}

} // namespace eboardctl
