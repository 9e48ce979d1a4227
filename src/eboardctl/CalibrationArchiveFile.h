#pragma once

#include "core/calibration/SettingData.h"

#include <filesystem>
#include <optional>
#include <string>

namespace eboardctl {

// The archive named by --file, or the agent's own under $HOME.
std::filesystem::path recordPath(const std::optional<std::string>& fileOption);

// Reads a calibration archive; a missing or undecodable file, or anything there that is
// not a regular file, is a Failure naming it.
eboard::SettingData readRecord(const std::filesystem::path& path);

// The agent's start-up steps with this record: the targets hardly depend on the screen,
// so any screen tells whether the corners give a usable mapping.
bool mapsThePen(const eboard::SettingData& record);

} // namespace eboardctl
