#include "core/calibration/CalibrationData.h"

#include "core/state/JUXPrompt.h"

#include <gtest/gtest.h>

namespace eboard {
namespace {

TEST(ScreenTargets, FullHdScreen) {
    EXPECT_EQ(screenTargets(1920, 1080),
              (std::array<PointD, 4>{PointD{192, 972}, PointD{192, 108}, PointD{1728, 972},
                                     PointD{1728, 108}}));
}

TEST(ScreenTargets, TenthsAreTruncatedBeforeConversion) {
    EXPECT_EQ(screenTargets(1366, 768),
              (std::array<PointD, 4>{PointD{136, 692}, PointD{136, 76}, PointD{1230, 692},
                                     PointD{1230, 76}}));
    EXPECT_EQ(screenTargets(0, 0), (std::array<PointD, 4>{}));
}

void setScreen(std::int32_t width, std::int32_t height) {
    JUXPrompt::getPrompt().setScreenWidth(width);
    JUXPrompt::getPrompt().setScreenHeight(height);
}

TEST(InitCalibrateData, KeepsExactlyFourTargetsForTheCurrentScreen) {
    setScreen(1920, 1080);
    initCalibrateData();
    setScreen(1366, 768);
    initCalibrateData();
    const std::vector<PointD>& targets = JUXPrompt::getPrompt().ScreenCalibratePoint();
    ASSERT_EQ(targets.size(), 4u);
    EXPECT_EQ(targets[3], (PointD{1230, 76}));
}

TEST(InitCalibrateData, TheDefaultRecordGivesAnUnusableMapping) {
    JUXPrompt::getPrompt().setSettingData(SettingData{});
    setScreen(1920, 1080);
    initCalibrateData();
    EXPECT_FALSE(penToScreenMapping().isUsable());
}

TEST(InitCalibrateData, AStoredRecordSendsEachRawPointOntoItsTarget) {
    // Raw points captured at targets 0..3; the record keeps them in slots 0, 2, 1, 3.
    const std::array<PointF, 4> captured{PointF{180, 140}, PointF{170, 620}, PointF{860, 120},
                                         PointF{880, 640}};
    SettingData record;
    record.setRaw0_X(captured[0].x);
    record.setRaw0_Y(captured[0].y);
    record.setRaw1_X(captured[2].x);
    record.setRaw1_Y(captured[2].y);
    record.setRaw2_X(captured[1].x);
    record.setRaw2_Y(captured[1].y);
    record.setRaw3_X(captured[3].x);
    record.setRaw3_Y(captured[3].y);
    JUXPrompt::getPrompt().setSettingData(record);
    setScreen(1920, 1080);
    initCalibrateData();

    ASSERT_TRUE(penToScreenMapping().isUsable());
    const std::array<PointD, 4> targets = screenTargets(1920, 1080);
    for (std::size_t i = 0; i < 4; ++i) {
        const PointF mapped = penToScreenMapping().mapPoint(captured[i]);
        EXPECT_NEAR(mapped.x, targets[i].x, 0.05) << "target " << i;
        EXPECT_NEAR(mapped.y, targets[i].y, 0.05) << "target " << i;
    }
}

} // namespace
} // namespace eboard
