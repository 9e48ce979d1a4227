#include "CalibrationArchiveFile.h"
#include "Command.h"
#include "Options.h"
#include "core/calibration/SettingArchive.h"

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

int storeRecord(std::span<const std::string_view> values, const std::filesystem::path& path) {
    if (values.size() != eboard::SettingData::kValueCount) {
        throw UsageError("calibration set needs 8 values: X0 Y0 X1 Y1 X2 Y2 X3 Y3");
    }
    eboard::SettingData record;
    for (std::size_t i = 0; i < values.size(); ++i) {
        record.setValue(i, parseFloat(values[i], eboard::SettingData::kKeys[i]));
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
