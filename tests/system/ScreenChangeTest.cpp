// Outputs that change while the agent runs, on a real X server that can change them: Xorg
// with the dummy video driver (RandR: outputs DUMMY0..15, modes added with xrandr). The
// board changes resolution, then a second output is plugged in and chosen as the board;
// after each change the same touch lands on the board output's new geometry, no restart.
// (Qt 6.4's xcb platform does not follow mode changes of an output enabled after start-up,
// so the resolution change is made on the first output.)
#include "core/calibration/CalibrationData.h"
#include "core/calibration/SettingArchive.h"
#include "core/pen/ProjectiveMapping.h"
#include "core/state/JUXPrompt.h"
#include "support/AgentProcess.h"
#include "support/Eboardctl.h"
#include "support/PointerRest.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"
#include "support/XDesktop.h"

#include <QStandardPaths>
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace eboard::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kDummyDriver = "/usr/lib/xorg/modules/drivers/dummy_drv.so";
const SettingData kCalibration({64, 288, 576, 288, 64, 32, 576, 32});

constexpr const char* kXorgConf = R"(Section "Device"
    Identifier "dummy"
    Driver "dummy"
    VideoRam 256000
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 5.0 - 1000.0
    VertRefresh 5.0 - 200.0
EndSection
Section "Screen"
    Identifier "screen"
    Device "dummy"
    Monitor "monitor"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Modes "1920x1080"
        Virtual 4000 2000
    EndSubSection
EndSection
Section "ServerFlags"
    Option "AutoAddDevices" "false"
EndSection
)";

// Where tap.rec's touch must land on a board output at (x, y) of width x height: the
// stored corners mapped onto that size's targets, then the output's origin added.
std::pair<int, int> landing(int x, int y, int width, int height) {
    JUXPrompt& prompt = JUXPrompt::getPrompt();
    prompt.setSettingData(kCalibration);
    prompt.setScreenWidth(width);
    prompt.setScreenHeight(height);
    initCalibrateData();
    const PointF mapped = penToScreenMapping().mapPoint({50.0f, 250.0f});
    return {x + static_cast<int>(std::floor(mapped.x)),
            y + static_cast<int>(std::floor(static_cast<float>(height) - mapped.y))};
}

class ScreenChangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable("Xorg").isEmpty() || !fs::exists(kDummyDriver) ||
            QStandardPaths::findExecutable("xrandr").isEmpty()) {
            GTEST_SKIP() << "needs Xorg, xserver-xorg-video-dummy and xrandr";
        }
        ASSERT_TRUE(watcher.listening()) << "needs a session bus (run under dbus-run-session)";
        int number = 57;
        while (fs::exists("/tmp/.X11-unix/X" + std::to_string(number)) ||
               fs::exists("/tmp/.X" + std::to_string(number) + "-lock")) {
            ++number;
        }
        display = QStringLiteral(":%1").arg(number);
        std::ofstream(work / "xorg.conf") << kXorgConf;
        xorg.setProcessChannelMode(QProcess::MergedChannels);
        xorg.start("Xorg", {display, "-noreset", "-nolisten", "tcp", "-config",
                            QString::fromStdString((work / "xorg.conf").string()), "-logfile",
                            QString::fromStdString((work / "Xorg.log").string())});
        ASSERT_TRUE(QTest::qWaitFor([&] { return xrandr({}).contains("DUMMY0 connected"); }, 15000))
            << readText(work / "Xorg.log");

        fs::create_directories(home / "Library/HN-42_driver");
        ASSERT_FALSE(
            writeSettingArchive(home / "Library/HN-42_driver/eBoardSetting.archive", kCalibration));
        ASSERT_EQ(::mkfifo(fifo().c_str(), 0600), 0);
        oldDisplay = qgetenv("DISPLAY");
        qputenv("DISPLAY", display.toLatin1());
    }
    void TearDown() override {
        qputenv("DISPLAY", oldDisplay);
        if (xorg.state() != QProcess::NotRunning) {
            xorg.terminate();
            if (!xorg.waitForFinished(5000)) {
                xorg.kill();
                xorg.waitForFinished(5000);
            }
        }
    }

    fs::path fifo() const { return home / "unit"; }

    QString xrandr(const QStringList& arguments) {
        QProcess tool;
        tool.start("xrandr", QStringList{"-d", display} + arguments);
        tool.waitForFinished(10000);
        return QString::fromLocal8Bit(tool.readAllStandardOutput() + tool.readAllStandardError());
    }
    // Plays tap.rec and waits for the pointer to come to rest, released, at the expected
    // pixel; says where it is otherwise.
    ::testing::AssertionResult tapLandsAt(const XDesktop& pointer, std::pair<int, int> expected) {
        pointer.moveTo(5, 5);
        runCommand("timeout 10 " +
                   eboardctlCommand("play " + quoted(EBOARD_TEST_DATA_DIR "/replay/tap.rec") +
                                    " --to " + quoted(fifo())));
        return pointerRestsAt(pointer, expected.first, expected.second);
    }
    bool outputsShow(const std::string& line) {
        return QTest::qWaitFor(
            [&] { return eboardctl("outputs").out.find(line) != std::string::npos; }, 10000);
    }

    TempDir work;
    TempDir home;
    // Where eboardctl, like the agent (given it below), keeps the board output.
    ScopedEnv configHome{"XDG_CONFIG_HOME", (home / "config").string()};
    BusWatcher watcher;
    QProcess xorg;
    QString display;
    QByteArray oldDisplay;
};

TEST_F(ScreenChangeTest, TouchFollowsAResolutionChangeAndAnOutputPluggedInAndChosen) {
    XDesktop pointer;
    ASSERT_TRUE(pointer.open());
    AgentProcess agent(home.path(),
                       {"--pointer", "xtest", "--device", QString::fromStdString(fifo().string())});
    agent.environment.insert("DISPLAY", display);
    agent.environment.insert("XDG_CONFIG_HOME", QString::fromStdString((home / "config").string()));
    agent.start();
    ASSERT_TRUE(watcher.waitFor("DriverOpened")) << agent.errorOutput().toStdString();
    EXPECT_TRUE(tapLandsAt(pointer, landing(0, 0, 1920, 1080)));

    // The projector (the primary output, the board) changes resolution: it keeps its
    // calibration.
    xrandr({"--output", "DUMMY0", "--mode", "1280x720"});
    ASSERT_TRUE(outputsShow("DUMMY0 1280x720+0+0 scale 1 primary board"))
        << eboardctl("outputs").out;
    EXPECT_TRUE(tapLandsAt(pointer, landing(0, 0, 1280, 720)));

    // A second output comes, right of the first, and is made the board.
    xrandr({"--addmode", "DUMMY1", "1024x768"});
    xrandr({"--output", "DUMMY1", "--mode", "1024x768", "--right-of", "DUMMY0"});
    ASSERT_TRUE(outputsShow("DUMMY1 1024x768+1280+0 scale 1\n")) << eboardctl("outputs").out;
    eboardctl("output DUMMY1");
    ASSERT_TRUE(outputsShow("DUMMY1 1024x768+1280+0 scale 1 board")) << eboardctl("outputs").out;
    EXPECT_TRUE(tapLandsAt(pointer, landing(1280, 0, 1024, 768)));

    watcher.post("Quit");
    EXPECT_EQ(agent.waitForExit(), 0);
}

} // namespace
} // namespace eboard::testing
