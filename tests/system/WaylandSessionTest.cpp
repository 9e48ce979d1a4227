// The agent in a Wayland session: weston's headless back end with XWayland. Its windows take
// XWayland (the only platform that can place them on the board output), and without a
// writable /dev/uinput the pointer is refused in one line instead of falling back to XTest,
// which would move XWayland's pointer only.
#include "support/AgentProcess.h"
#include "support/Eboardctl.h"
#include "support/TempDir.h"

#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace eboard::testing {
namespace {

constexpr const char* kSocket = "eboard-test-wayland";

class WaylandSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable("weston").isEmpty()) {
            GTEST_SKIP() << "needs weston with XWayland (tools/install-deps.sh installs both)";
        }
        ASSERT_TRUE(watcher.listening()) << "needs a session bus (run under dbus-run-session)";
        ASSERT_EQ(::chmod(runtime.path().c_str(), 0700), 0);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.path().string()));
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        weston.setProcessEnvironment(environment);
        weston.setProcessChannelMode(QProcess::MergedChannels);
        weston.start("weston", {"--backend=headless-backend.so", "--width=1920", "--height=1080",
                                "--xwayland", QStringLiteral("--socket=") + kSocket});
        const QRegularExpression listening(QStringLiteral("xserver listening on display (:\\d+)"));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                westonLog += QString::fromLocal8Bit(weston.readAll());
                const auto match = listening.match(westonLog);
                if (match.hasMatch()) {
                    xwaylandDisplay = match.captured(1);
                }
                return !xwaylandDisplay.isEmpty();
            },
            15000))
            << westonLog.toStdString();
    }
    void TearDown() override {
        if (weston.state() != QProcess::NotRunning) {
            weston.terminate();
            if (!weston.waitForFinished(5000)) {
                weston.kill();
                weston.waitForFinished(5000);
            }
        }
    }

    TempDir home;
    TempDir runtime;
    BusWatcher watcher;
    QProcess weston;
    QString westonLog;
    QString xwaylandDisplay;
};

TEST_F(WaylandSessionTest, AgentTakesXWaylandForItsWindowsAndNeverXTestForThePen) {
    AgentProcess agent(home.path(), {"--pointer", "auto"});
    agent.environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.path().string()));
    agent.environment.insert("WAYLAND_DISPLAY", kSocket);
    agent.environment.insert("DISPLAY", xwaylandDisplay);
    agent.start();
    ASSERT_TRUE(watcher.waitFor("DriverOpened", 1, 20000)) << agent.errorOutput().toStdString();

    // Only Qt's xcb platform sees weston's output as XWayland's.
    const QStringList outputs =
        QString::fromStdString(eboardctl("outputs").out).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(outputs.size(), 1);
    EXPECT_TRUE(outputs[0].startsWith("XWAYLAND"));
    EXPECT_TRUE(outputs[0].endsWith(" 1920x1080+0+0 scale 1 primary board"))
        << outputs[0].toStdString();

    watcher.post("Quit");
    EXPECT_EQ(agent.waitForExit(), 0);
    const std::string errors = agent.errorOutput().toStdString();
    if (::access("/dev/uinput", W_OK) != 0) {
        EXPECT_NE(errors.find("no way to post pointer events in this Wayland session"),
                  std::string::npos)
            << errors;
        EXPECT_EQ(errors.find("XTest:"), std::string::npos) << errors;
    }
}

} // namespace
} // namespace eboard::testing
