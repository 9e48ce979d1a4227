#include "CalibrationArchiveFile.h"
#include "Command.h"
#include "Options.h"
#include "core/calibration/CalibrationData.h"
#include "core/calibration/SettingArchive.h"
#include "core/pen/ProjectiveMapping.h"
#include "core/state/JUXPrompt.h"

#include <array>
#include <string>

namespace eboardctl {

namespace {

int printRecord(const std::filesystem::path& path, std::FILE* out) {
    const eboard::SettingData record = readRecord(path);
    for (std::size_t i = 0; i < eboard::SettingData::kValueCount; ++i) {
        const std::string_view key = eboard::SettingData::kKeys[i];
        std::fprintf(out, "%.*s %.9g\n", static_cast<int>(key.size()), key.data(),
                     static_cast<double>(record.value(i)));
    }
    return kSuccess;
}

// "x of corner 0 (top left)": what value i of a record is, in the user's words.
std::string cornerValueName(std::size_t i) {
    static constexpr std::array<const char*, 4> kCorners = {"top left", "top right", "bottom left",
                                                            "bottom right"};
    return std::string(i % 2 == 0 ? "x" : "y") + " of corner " + std::to_string(i / 2) + " (" +
           kCorners[i / 2] + ")";
}

int storeRecord(std::span<const std::string_view> values, const std::filesystem::path& path) {
    if (values.size() != eboard::SettingData::kValueCount) {
        throw UsageError("calibration set needs 8 values: X0 Y0 X1 Y1 X2 Y2 X3 Y3, the raw x and "
                         "y of the corners top left, top right, bottom left, bottom right "
                         "(see calibration --help)");
    }
    eboard::SettingData record;
    for (std::size_t i = 0; i < values.size(); ++i) {
        record.setValue(i, parseFloat(values[i], cornerValueName(i)));
    }
    std::error_code error;
    if (path.has_parent_path()) {
        std::filesystem::create_directories(path.parent_path(), error);
    }
    if (!error) {
        error = eboard::writeSettingArchive(path, record);
    }
    if (error) {
        throw Failure("cannot write " + path.string() + ": " + error.message());
    }
    if (!mapsThePen(record)) {
        std::fputs("eboardctl: warning: stored, but these corners enclose no area, so the agent "
                   "cannot map the pen with them; calibrate with 'eboardctl calibrate'\n",
                   stderr);
    }
    return kSuccess;
}

} // namespace

int runCalibration(Arguments args, std::FILE* out) {
    const Options options(args, {"file"});
    const std::filesystem::path path = recordPath(options.value("file"));
    const auto& positionals = options.positionals();
    if (positionals.empty()) {
        return printRecord(path, out);
    }
    if (positionals.front() == "set") {
        return storeRecord(std::span(positionals).subspan(1), path);
    }
    throw UsageError("unknown calibration argument '" + std::string(positionals.front()) + "'");
}

} // namespace eboardctl
