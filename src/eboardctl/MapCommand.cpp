#include "CalibrationArchiveFile.h"
#include "Command.h"
#include "Options.h"
#include "core/calibration/CalibrationData.h"
#include "core/pen/ProjectiveMapping.h"
#include "core/state/JUXPrompt.h"

#include <cmath>

namespace eboardctl {

int runMap(Arguments args, std::FILE* out) {
    const Options options(args, {"screen", "file"});
    const auto& positionals = options.positionals();
    if (positionals.size() != 2) {
        throw UsageError("map needs a raw point: map X Y --screen WxH [--file F]");
    }
    const std::optional<std::string> screenText = options.value("screen");
    if (!screenText) {
        throw UsageError("map needs --screen WxH");
    }
    const eboard::PointF raw{parseFloat(positionals[0], "X"), parseFloat(positionals[1], "Y")};
    const ScreenSize screen = parseScreenSize(*screenText);

    // The same steps as the agent's start-up: stored record, screen size, targets, mapping.
    const std::filesystem::path path = recordPath(options.value("file"));
    eboard::JUXPrompt& prompt = eboard::JUXPrompt::getPrompt();
    prompt.setSettingData(readRecord(path));
    prompt.setScreenWidth(screen.width);
    prompt.setScreenHeight(screen.height);
    eboard::initCalibrateData();

    const eboard::PerspectiveTransform& mapping = eboard::penToScreenMapping();
    if (!mapping.isUsable()) {
        throw Failure("the calibration in " + path.string() +
                      " cannot map the pen: its four corners enclose no area");
    }
    const eboard::PointF mapped = mapping.mapPoint(raw);
    if (!std::isfinite(mapped.x) || !std::isfinite(mapped.y)) {
        throw Failure("the calibration in " + path.string() + " maps " +
                      std::string(positionals[0]) + " " + std::string(positionals[1]) +
                      " to no screen point");
    }
    std::fprintf(out, "%.3f %.3f\n", static_cast<double>(mapped.x), static_cast<double>(mapped.y));
    return kSuccess;
}

} // namespace eboardctl
