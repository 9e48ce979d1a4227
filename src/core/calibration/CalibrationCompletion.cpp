#include "core/calibration/CalibrationCompletion.h"

#include "core/base/DataPaths.h"
#include "core/base/Log.h"
#include "core/calibration/SettingArchive.h"
#include "core/notify/Names.h"
#include "core/notify/NotificationCenter.h"
#include "core/pen/ProjectiveMapping.h"
#include "core/state/JUXPrompt.h"

#include <vector>

namespace eboard {

void completeCalibration() {
    JUXPrompt& prompt = JUXPrompt::getPrompt();
    const std::vector<PointD>& captured = prompt.CalibratePoint();
    const std::vector<PointD>& targets = prompt.ScreenCalibratePoint();
    if (captured.size() < 4 || targets.size() < 4) {
        // Nothing to solve: keep the mapping and the record, give the pen back.
        prompt.setCurrentStatus(JUXPrompt::kPointerMode);
        return;
    }

    const auto f = [](double v) { return static_cast<float>(v); };
    const PointD& c0 = captured[0];
    const PointD& c1 = captured[1];
    const PointD& c2 = captured[2];
    const PointD& c3 = captured[3];
    const Quad source{f(c0.x), f(c0.y), f(c2.x), f(c2.y), f(c1.x), f(c1.y), f(c3.x), f(c3.y)};
    const Quad target{f(targets[0].x), f(targets[0].y), f(targets[2].x), f(targets[2].y),
                      f(targets[1].x), f(targets[1].y), f(targets[3].x), f(targets[3].y)};
    penToScreenMapping().setPerspective(source, target);

    // Slots in screen reading order: top left, top right, bottom left, bottom right.
    SettingData& record = prompt.settingData();
    record.setRaw0_X(source[0]);
    record.setRaw0_Y(source[1]);
    record.setRaw1_X(source[2]);
    record.setRaw1_Y(source[3]);
    record.setRaw2_X(source[4]);
    record.setRaw2_Y(source[5]);
    record.setRaw3_X(source[6]);
    record.setRaw3_Y(source[7]);
    prompt.setIFirstCalibrate(1);

    // A failed write leaves the new mapping in force until the agent ends; say so, since
    // the calibration will be gone at the next start.
    const std::filesystem::path path = archivePath();
    const std::error_code error = writeSettingArchive(path, record);
    prompt.setCurrentStatus(JUXPrompt::kPointerMode);
    if (error) {
        prompt.setStoreFailure(path.string() + ": " + error.message());
        logWarning("cannot store the calibration in " + path.string() + " (" + error.message() +
                   "); it holds until the agent ends");
        NotificationCenter::defaultCenter().postNotification(names::kCalibrateNotSaved);
        return;
    }
    prompt.setStoreFailure({});
    NotificationCenter::defaultCenter().postNotification(names::kCalibrateFinish);
}

} // namespace eboard
