// Commands that other programs send to the agent over the session bus.
#include "app/StatusMenu.h"
#include "core/state/JUXPrompt.h"
#include "support/EventLoop.h"
#include "support/ScopedEnv.h"
#include "support/SessionBusPeer.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace eboard {
namespace {

using BusCommandsTest = testing::SessionBusPeer;

TEST_F(BusCommandsTest, SetSmoothValueFromOtherProcesses) {
    testing::TempDir home;
    testing::ScopedEnv homeEnv("HOME", home.path().string());
    StatusMenu menu(center, [] { return true; });
    menu.setExitFunction([](int) {});
    menu.awakeFromNib();
    struct Case {
        const char* what;
        QVariantMap info;
        std::int32_t expected;
    };
    const Case cases[] = {
        {"decimal string", {{"smoothvalue", QStringLiteral("12")}}, 12},
        {"int32", {{"smoothvalue", 9}}, 9},
        {"missing key", {}, 0},
        {"text without digits", {{"smoothvalue", QStringLiteral("abc")}}, 0},
        {"negative", {{"smoothvalue", -7}}, -7},
        {"huge int64", {{"smoothvalue", QVariant::fromValue<qlonglong>(1LL << 42)}}, 2147483647},
        {"huge text", {{"smoothvalue", QStringLiteral("123456789012345")}}, 2147483647},
        {"uint32 beyond int32",
         {{"smoothvalue", QVariant::fromValue<uint>(3000000000u)}},
         2147483647},
        {"double", {{"smoothvalue", 5.75}}, 5},
    };
    int done = 0;
    center.addObserver("SmoothDone", [&](const UserInfo&) { ++done; });
    for (const auto& c : cases) {
        JUXPrompt::getPrompt().setIsmooth(99);
        emitFromPeer("SetSmoothValue", "com.jux.command", c.info);
        emitFromPeer("SmoothDone", "com.jux.command", {});
        const int target = done + 1;
        ASSERT_TRUE(QTest::qWaitFor([&] { return done == target; })) << c.what;
        EXPECT_EQ(JUXPrompt::getPrompt().ismooth(), c.expected) << c.what;
    }
    JUXPrompt::getPrompt().setIsmooth(4);
}

TEST_F(BusCommandsTest, SetSmoothModeAndSetSmoothValueChooseTheSmoothing) {
    testing::TempDir home;
    testing::ScopedEnv homeEnv("HOME", home.path().string());
    StatusMenu menu(center, [] { return true; });
    menu.setExitFunction([](int) {});
    menu.awakeFromNib();
    JUXPrompt& prompt = JUXPrompt::getPrompt();
    struct Case {
        const char* name;
        QVariantMap info;
        SmoothingMode mode;
        std::int32_t window;
        double beta;
    };
    const Case cases[] = {
        {"SetSmoothMode", {{"mode", "adaptive"}, {"beta", 0.3}}, SmoothingMode::Adaptive, 4, 0.3},
        {"SetSmoothMode", {{"mode", "quick"}}, SmoothingMode::Adaptive, 4, 0.3}, // refused
        {"SetSmoothValue", {{"smoothvalue", 6}}, SmoothingMode::Average, 6, 0.3},
        {"SetSmoothMode", {{"mode", "adaptive"}}, SmoothingMode::Adaptive, 6, 0.3},
        {"SetSmoothMode", {{"mode", "average"}}, SmoothingMode::Average, 6, 0.3},
    };
    int done = 0;
    center.addObserver("SmoothDone", [&](const UserInfo&) { ++done; });
    for (const auto& c : cases) {
        emitFromPeer(c.name, "com.jux.command", c.info);
        emitFromPeer("SmoothDone", "com.jux.command", {});
        const int target = done + 1;
        ASSERT_TRUE(QTest::qWaitFor([&] { return done == target; })) << c.name;
        EXPECT_EQ(prompt.smoothingMode(), c.mode) << c.name;
        EXPECT_EQ(prompt.ismooth(), c.window) << c.name;
        EXPECT_EQ(prompt.adaptiveSmoothing().beta, c.beta) << c.name;
    }
    prompt.setSmoothingMode(SmoothingMode::Average);
    prompt.setAdaptiveSmoothing(AdaptiveSmoothing{});
    prompt.setIsmooth(4);
}

} // namespace
} // namespace eboard
