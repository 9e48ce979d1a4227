#include "core/calibration/CalibrationData.h"

#include "core/calibration/SettingData.h"
#include "core/state/JUXPrompt.h"

namespace eboard {

std::array<PointD, 4> screenTargets(std::int32_t width, std::int32_t height) {
    // Tenths are whole-number divisions taken before any conversion to float;
    // the differences are single-precision, the results stored as doubles.
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    const float a = static_cast<float>(width / 10);
    const float b = static_cast<float>(height / 10);
    return {PointD{a, h - b}, PointD{a, b}, PointD{w - a, h - b}, PointD{w - a, b}};
}

Quad rawQuadInTargetOrder(const SettingData& d) {
    return Quad{d.Raw0_X(), d.Raw0_Y(), d.Raw2_X(), d.Raw2_Y(),
                d.Raw1_X(), d.Raw1_Y(), d.Raw3_X(), d.Raw3_Y()};
}

void initCalibrateData() {
    JUXPrompt& prompt = JUXPrompt::getPrompt();
    const std::array<PointD, 4> targets =
        screenTargets(prompt.screenWidth(), prompt.screenHeight());
    std::vector<PointD>& screenPoints = prompt.ScreenCalibratePoint();
    for (std::size_t i = 0; i < targets.size(); ++i) {
        storePointAt(screenPoints, i, targets[i]);
    }

    Quad screenQuad{};
    for (std::size_t i = 0; i < 4; ++i) {
        screenQuad[2 * i] = static_cast<float>(screenPoints[i].x);
        screenQuad[2 * i + 1] = static_cast<float>(screenPoints[i].y);
    }
    penToScreenMapping().setPerspective(rawQuadInTargetOrder(prompt.settingData()), screenQuad);
}

} // namespace eboard
