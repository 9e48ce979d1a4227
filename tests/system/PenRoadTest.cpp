// The road of one pen touch through the real agent: an emulated camera unit (umockdev)
// is found through udev, its frames move the X pointer through XTest, and its removal is
// announced. Runs under umockdev-wrapper, which the agent child inherits.
#include "core/base/DataPaths.h"
#include "core/calibration/SettingArchive.h"
#include "support/AgentTest.h"
#include "support/MockUnitBed.h"
#include "support/PenPipeline.h"
#include "support/XDesktop.h"

#include <gtest/gtest.h>
#include <memory>

namespace eboard::testing {
namespace {

namespace fs = std::filesystem;

class PenRoad : public AgentTest {
protected:
    void prepare() override {
        ASSERT_TRUE(pointer.open());
        // Corners seen by the camera in slot order top-left, top-right, bottom-left,
        // bottom-right; raw (100, 100) is then the top-left target, a tenth of the
        // 1920x1080 screen in from its edges: display point (192, 108).
        fs::create_directories(dataDirectory(home.path()));
        ASSERT_FALSE(writeSettingArchive(archivePath(home.path()),
                                         SettingData({100, 100, 900, 100, 100, 700, 900, 700})));
        writeText(thresholdsPath(home.path()), "");
    }

    // Plugs the unit in and starts the agent with XTest as its pointer.
    void startAgentWithUnit() {
        MockUnitBed::instance().plug(unit);
        agent = std::make_unique<AgentProcess>(
            home.path(), QStringList{QStringLiteral("--pointer"), QStringLiteral("xtest")});
        agent->start();
        ASSERT_TRUE(watcher.waitFor("DriverOpened")) << agent->errorOutput().toStdString();
        ASSERT_TRUE(watcher.waitFor("HN42Connected")) << agent->errorOutput().toStdString();
    }

    XDesktop pointer;
    MockUnit unit;
    std::unique_ptr<AgentProcess> agent;
};

TEST_F(PenRoad, TouchPressesAtTheMappedPointLiftReleasesUnplugAnnounces) {
    pointer.moveTo(1000, 900);
    ASSERT_NO_FATAL_FAILURE(startAgentWithUnit());
    EXPECT_EQ(watcher.count("StartCalibrate"), 0) << "a calibration result is known";

    // The camera image is mirrored: X = 1024 - 100.
    // The single-precision mapping may land a hair short of the target, and positions
    // are truncated to whole pixels: one pixel of slack.
    auto near = [](const XPointerState& state, bool leftPressed) {
        return std::abs(state.x - 192) <= 1 && std::abs(state.y - 108) <= 1 &&
               state.leftPressed == leftPressed;
    };
    unit.write(makeFrame(924, 100));
    EXPECT_TRUE(QTest::qWaitFor([&] { return near(pointer.query(), true); }))
        << pointer.query().x << "," << pointer.query().y << " " << pointer.query().leftPressed;

    unit.write(noPointFrame());
    EXPECT_TRUE(QTest::qWaitFor([&] { return near(pointer.query(), false); }));

    unit.unplug();
    EXPECT_TRUE(watcher.waitFor("HN42DisConnected")) << agent->errorOutput().toStdString();
    EXPECT_TRUE(agent->running());
    watcher.post("Quit");
    EXPECT_EQ(agent->waitForExit(), 0);
}

// Unplugged while the pen is down: the X server must not be left with button 1 pressed
// (XTest buttons stay down until their client ends).
TEST_F(PenRoad, UnplugMidStrokeReleasesTheButton) {
    ASSERT_NO_FATAL_FAILURE(startAgentWithUnit());
    unit.write(makeFrame(924, 100)); // touches: button 1 goes down and stays down
    ASSERT_TRUE(QTest::qWaitFor([&] { return pointer.query().leftPressed; }));

    unit.unplug();
    ASSERT_TRUE(watcher.waitFor("HN42DisConnected"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !pointer.query().leftPressed; }));
    EXPECT_TRUE(agent->running());
    watcher.post("Quit");
    EXPECT_EQ(agent->waitForExit(), 0);
}

} // namespace
} // namespace eboard::testing
