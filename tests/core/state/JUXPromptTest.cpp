#include "core/state/JUXPrompt.h"

#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace eboard {
namespace {

TEST(JUXPrompt, FreshStateHoldsTheDocumentedDefaults) {
    const JUXPrompt& prompt = JUXPrompt::getPrompt();
    EXPECT_FALSE(prompt.bFirstRun());
    EXPECT_FALSE(prompt.bInPrograss());
    EXPECT_EQ(prompt.connectionState(), 0);
    EXPECT_EQ(prompt.screenWidth(), 0);
    EXPECT_EQ(prompt.screenHeight(), 0);
    EXPECT_EQ(prompt.currentStatus(), 0);
    EXPECT_EQ(prompt.calibrateIndex(), 0);
    EXPECT_EQ(prompt.ismooth(), 4);
    EXPECT_EQ(prompt.iAreaTotalPer(), 0);
    EXPECT_EQ(prompt.iCalibrateType(), 0);
    EXPECT_EQ(prompt.iEdgePer(), 0);
    EXPECT_EQ(prompt.itoScreenErrorType(), 0);
    EXPECT_EQ(prompt.iFirstCalibrate(), 0);
    EXPECT_EQ(prompt.localeID(), 0);
    EXPECT_EQ(prompt.settingData(), SettingData{});
    EXPECT_TRUE(prompt.CalibratePoint().empty());
    EXPECT_TRUE(prompt.ScreenCalibratePoint().empty());
    EXPECT_EQ(prompt.LightPointRaw(), (PointD{0.0, 0.0}));
    EXPECT_EQ(prompt.openSkriboString(), "tell application \"Skribo\"\n"
                                         "if it is not running then\n"
                                         "tell application \"Skribo\" to activate\n"
                                         "end if\n"
                                         "end tell\n");
}

TEST(JUXPrompt, ConcurrentFirstCallsShareOneInstance) {
    std::vector<const JUXPrompt*> seen(8, nullptr);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < seen.size(); ++i) {
        threads.emplace_back([&seen, i] { seen[i] = &JUXPrompt::getPrompt(); });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (const JUXPrompt* instance : seen) {
        EXPECT_EQ(instance, &JUXPrompt::getPrompt());
    }
}

TEST(JUXPrompt, WrittenFieldsStayUntilWrittenAgain) {
    JUXPrompt& prompt = JUXPrompt::getPrompt();
    prompt.setIsmooth(9);
    prompt.setLightPointRaw({768.0, 512.0});
    prompt.settingData().setRaw2_Y(640.25f);
    EXPECT_EQ(JUXPrompt::getPrompt().ismooth(), 9);
    EXPECT_EQ(JUXPrompt::getPrompt().LightPointRaw(), (PointD{768.0, 512.0}));
    EXPECT_EQ(JUXPrompt::getPrompt().settingData().Raw2_Y(), 640.25f);
}

struct LocaleCase {
    const char* identifier;
    std::int32_t before;
    std::int32_t expected;
};

class SetLocale : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(SetLocale, PicksTheLanguageOfTheIdentifier) {
    JUXPrompt& prompt = JUXPrompt::getPrompt();
    prompt.setLocaleID(GetParam().before);
    prompt.setlocale(GetParam().identifier);
    EXPECT_EQ(prompt.localeID(), GetParam().expected) << GetParam().identifier;
}

INSTANTIATE_TEST_SUITE_P(Identifiers, SetLocale,
                         ::testing::Values(LocaleCase{"en_US", 3, 0}, LocaleCase{"zh_CN", 0, 1},
                                           LocaleCase{"ja_JP", 0, 2}, LocaleCase{"fr", 0, 3},
                                           LocaleCase{"de_CH", 0, 4},
                                           // Unknown languages leave the previous choice in place.
                                           LocaleCase{"pt_BR", 0, 0}, LocaleCase{"pt_BR", 2, 2},
                                           LocaleCase{"zh-Hans_CN", 4, 4},
                                           LocaleCase{"EN_us", 1, 1}, LocaleCase{"", 2, 2},
                                           LocaleCase{"de_DE.UTF-8", 0, 4}));

TEST(StorePointAt, AppendsAtTheEndReplacesBelowRefusesBeyond) {
    std::vector<PointD> points;
    EXPECT_TRUE(storePointAt(points, 0, {1, 2}));
    EXPECT_TRUE(storePointAt(points, 1, {3, 4}));
    EXPECT_TRUE(storePointAt(points, 0, {5, 6}));
    EXPECT_FALSE(storePointAt(points, 3, {7, 8}));
    EXPECT_EQ(points, (std::vector<PointD>{{5, 6}, {3, 4}}));
}

} // namespace
} // namespace eboard
