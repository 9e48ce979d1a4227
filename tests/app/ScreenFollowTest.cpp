// The agent following its screens. The servers here (Xvfb, the offscreen platform) cannot add,
// move or resize an output, so Qt's own screen signals are emitted on the one screen there is:
// the same path a real RandR change takes from the toolkit onwards.
#include "app/AppDelegate.h"
#include "app/ScreenFollower.h"
#include "core/calibration/CalibrationData.h"
#include "core/pen/PointerSink.h"
#include "core/pen/ProjectiveMapping.h"
#include "core/pen/StrokeInterpretation.h"
#include "core/state/JUXPrompt.h"
#include "support/EventLoop.h"
#include "support/LoopbackBus.h"
#include "ui/common/AgentWindow.h"
#include "ui/common/BoardScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

namespace eboard::testing {
namespace {

// Remembers the geometries it is given; posts nowhere.
class GeometrySink final : public PointerSink {
public:
    void setBoardGeometry(const layout::BoardGeometry& geometry) override {
        last = geometry;
        ++changes;
    }
    void moveTo(PointD) override {}
    void leftDown(PointD, std::uint32_t) override {}
    void leftUp(PointD, std::uint32_t) override {}
    void leftDrag(PointD, std::int64_t, std::int64_t) override {}
    void leftDoubleClick(PointD) override {}
    void rightDown(PointD, std::uint32_t) override {}
    void rightUp(PointD, std::uint32_t) override {}

    layout::BoardGeometry last;
    int changes = 0;
};

class ScreenFollowTest : public ::testing::Test {
protected:
    void SetUp() override {
        screen = QGuiApplication::primaryScreen();
        ASSERT_NE(screen, nullptr);
        JUXPrompt& prompt = JUXPrompt::getPrompt();
        prompt.setSettingData(SettingData({64, 288, 576, 288, 64, 32, 576, 32}));
        // What the agent knew before the change: a smaller board.
        prompt.setScreenWidth(400);
        prompt.setScreenHeight(300);
        initCalibrateData();
        setPointerSink(&sink);
    }
    void TearDown() override {
        setPointerSink(nullptr);
        setBoardOutputChoice("primary");
    }

    QScreen* screen = nullptr;
    GeometrySink sink;
    LoopbackBus bus;
};

TEST_F(ScreenFollowTest, AChangedScreenRefreshesSizeMappingPointerAndOpenWindows) {
    AgentWindow window(AgentWindow::Kind::FullScreen);
    window.setGeometry(10, 10, 400, 300);
    window.show();
    AppDelegate delegate(bus, AgentOptions{});
    ScreenFollower follower([&] { delegate.followScreens(); });

    // A burst of changes, as a projector being plugged in gives, is followed once.
    emit screen->geometryChanged(screen->geometry());
    emit qApp->primaryScreenChanged(screen);
    ASSERT_TRUE(QTest::qWaitFor([&] { return sink.changes > 0; }));
    QTest::qWait(60);
    EXPECT_EQ(sink.changes, 1);

    const QRect board = screen->geometry();
    const JUXPrompt& prompt = JUXPrompt::getPrompt();
    EXPECT_EQ(prompt.screenWidth(), board.width());
    EXPECT_EQ(prompt.screenHeight(), board.height());
    // The stored raw corners now map onto the new targets, as after a restart.
    const auto targets = screenTargets(board.width(), board.height());
    ASSERT_EQ(prompt.ScreenCalibratePoint().size(), 4u);
    EXPECT_EQ(prompt.ScreenCalibratePoint()[0], targets[0]);
    const PointF corner = penToScreenMapping().mapPoint({64.0f, 288.0f});
    EXPECT_NEAR(corner.x, targets[0].x, 0.01);
    EXPECT_NEAR(corner.y, targets[0].y, 0.01);
    EXPECT_EQ(sink.last, boardPointerGeometry());
    EXPECT_EQ(sink.last.board.width,
              static_cast<int>(std::lround(board.width() * screen->devicePixelRatio())));
    EXPECT_EQ(window.geometry(), board);
}

TEST_F(ScreenFollowTest, AnAbsentBoardOutputChosenOverTheBusLeavesThePrimary) {
    AppDelegate delegate(bus, AgentOptions{});
    delegate.setBoardOutput("no-such-output");
    EXPECT_EQ(boardOutputChoice(), "no-such-output");
    EXPECT_EQ(boardScreen(), screen);
    EXPECT_EQ(JUXPrompt::getPrompt().screenWidth(), screen->geometry().width());
    EXPECT_EQ(sink.changes, 1);

    delegate.announceOutputs();
    ASSERT_FALSE(bus.posted.empty());
    const PostedNotification& answer = bus.posted.back();
    EXPECT_EQ(answer.name, "Outputs");
    ASSERT_EQ(answer.userInfo.size(), 1u);
    const auto* lines = std::get_if<std::string>(&answer.userInfo[0].second);
    ASSERT_NE(lines, nullptr);
    EXPECT_EQ(*lines, layout::describeOutput(desktopOutputs()[0], true) + "\n");
    EXPECT_NE(lines->find(" primary board\n"), std::string::npos) << *lines;
}

} // namespace
} // namespace eboard::testing
