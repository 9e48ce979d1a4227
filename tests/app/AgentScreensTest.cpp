// The agent on a real X display: the pen lands on the same device pixel whatever Qt's scale
// factor, and the board output can be listed and chosen from eboardctl.
#include "AgentOnFifo.h"
#include "support/Eboardctl.h"
#include "support/PointerRest.h"
#include "support/XDesktop.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <utility>

namespace eboard::testing {
namespace {

namespace fs = std::filesystem;

using AgentScreensTest = AgentOnFifo;

TEST_F(AgentScreensTest, TapLandsOnTheSameDevicePixelAtEveryScale) {
    XDesktop pointer;
    ASSERT_TRUE(pointer.open());
    for (const char* scale : {"1", "1.5", "2"}) {
        SCOPED_TRACE(std::string("QT_SCALE_FACTOR=") + scale);
        AgentProcess agent(home.path(), {"--pointer", "xtest", "--device",
                                         QString::fromStdString(fifo().string())});
        agent.environment.insert("QT_SCALE_FACTOR", QString::fromLatin1(scale));
        const int opened = watcher.count("DriverOpened");
        agent.start();
        ASSERT_TRUE(watcher.waitFor("DriverOpened", opened + 1))
            << agent.errorOutput().toStdString();
        pointer.moveTo(1000, 900);

        const CommandResult play =
            runCommand("timeout 10 " +
                       eboardctlCommand("play " + quoted(EBOARD_TEST_DATA_DIR "/replay/tap.rec") +
                                            " --to " + quoted(fifo()),
                                        {}, Stderr::Merged));
        ASSERT_EQ(play.status, 0) << play.out;

        // The lift puts the pointer back on the touch, released.
        EXPECT_TRUE(pointerRestsAt(pointer, 150, 236)) << agent.errorOutput().toStdString();

        watcher.post("Quit");
        EXPECT_EQ(agent.waitForExit(), 0);
    }
}

TEST_F(AgentScreensTest, OutputsAreListedAndTheBoardChoiceIsRememberedAndFollowed) {
    AgentProcess agent(home.path(), {"--pointer", "log", "--output", "DP-9"});
    agent.environment.insert("QT_SCALE_FACTOR", "2");
    agent.start();
    ASSERT_TRUE(watcher.waitFor("DriverOpened")) << agent.errorOutput().toStdString();

    // Xvfb has one output; the absent DP-9 falls back to it.
    const CommandResult outputs = eboardctl("outputs", {}, Stderr::Merged);
    ASSERT_EQ(outputs.status, 0) << outputs.out;
    const QStringList lines = QString::fromStdString(outputs.out).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1) << lines.join('|').toStdString();
    EXPECT_TRUE(lines[0].endsWith(" 1920x1080+0+0 scale 2 primary board"))
        << lines[0].toStdString();

    const int lists = watcher.count("SetBoardOutput");
    // eboardctl repeats what the agent answers: an absent output leaves the primary.
    const std::pair<const char*, const char*> choices[] = {
        {"DP-7", "\"DP-7\" is not connected: the running agent keeps the primary output \""},
        {"primary", "the running agent uses the primary output \""},
    };
    for (const auto& [choice, said] : choices) {
        const CommandResult choose =
            runCommand("XDG_CONFIG_HOME=" + quoted(home / "config") + " " +
                       eboardctlCommand(std::string("output ") + choice, {}, Stderr::Merged));
        EXPECT_EQ(choose.status, 0) << choose.out;
        EXPECT_THAT(choose.out, ::testing::HasSubstr(said));
    }
    EXPECT_EQ(readText(home / "config/eboard/agent.conf"), "output=primary\n");
    EXPECT_TRUE(watcher.waitFor("SetBoardOutput", lists + 2));

    watcher.post("Quit");
    EXPECT_EQ(agent.waitForExit(), 0);
    const QString errors = agent.errorOutput();
    // The fallback is said once, however often the board screen was asked for.
    EXPECT_EQ(errors.count("\"DP-9\" is not connected"), 1) << errors.toStdString();
    EXPECT_TRUE(errors.contains("the board output is now")) << errors.toStdString();
}

} // namespace
} // namespace eboard::testing
