#include "CalibrationArchiveFile.h"
#include "Command.h"
#include "Options.h"
#include "core/base/DataPaths.h"
#include "core/calibration/ResultGrading.h"
#include "core/calibration/Thresholds.h"

namespace eboardctl {

int runGrade(Arguments args, std::FILE* out) {
    const Options options(args, {"type", "file", "thresholds"});
    if (!options.positionals().empty()) {
        throw UsageError("unexpected argument '" + std::string(options.positionals().front()) +
                         "'");
    }
    const std::string type = options.value("type").value_or("normal");
    if (type != "normal" && type != "diagnosis") {
        throw UsageError("invalid --type '" + type + "' (expected normal or diagnosis)");
    }
    const eboard::SettingData record = readRecord(recordPath(options.value("file")));

    const std::filesystem::path thresholdsFile =
        options.value("thresholds").value_or(eboard::thresholdsPath().string());
    std::error_code lookup;
    if (thresholdsFile.has_parent_path() && !std::filesystem::exists(thresholdsFile, lookup) &&
        !lookup) {
        std::error_code ignored;
        std::filesystem::create_directories(thresholdsFile.parent_path(), ignored);
    }
    const eboard::ThresholdsLoad load = eboard::loadOrCreateThresholds(thresholdsFile);
    if (load.readError) {
        throw Failure("cannot read " + thresholdsFile.string() + ": " + load.readError.message());
    }
    if (!load.message.empty()) {
        // Grading goes on (defaults, or every threshold 0), as the agent does; the user
        // should know.
        std::fprintf(stderr, "eboardctl: warning: %s\n", load.message.c_str());
    }

    const eboard::Grade grade =
        eboard::gradeCalibration(record, type == "diagnosis" ? 1 : 0, load.thresholds);
    const std::string_view result = eboard::resultClassName(grade.result);
    std::fprintf(out,
                 "area_percent %d\nedge_percent %d\nedge_flag %d\nlong_edge_flag %d\nresult %.*s\n",
                 grade.areaPercent, grade.edgePercent, grade.edgeFlag ? 1 : 0,
                 grade.longEdgeFlag ? 1 : 0, static_cast<int>(result.size()), result.data());
    return kSuccess;
}

} // namespace eboardctl
