// `eboardctl status` asks the real agent, fed through a FIFO, what it sees.
#include "AgentOnFifo.h"
#include "support/Eboardctl.h"
#include "support/EventLoop.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace eboard::testing {
namespace {

using AgentStatusTest = AgentOnFifo;

std::vector<std::string> statusLines() {
    const CommandResult status = eboardctl("status", {}, Stderr::Merged);
    EXPECT_EQ(status.status, 0) << status.out;
    std::vector<std::string> lines;
    std::istringstream in(status.out);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

bool statusLineBecomes(std::size_t index, const std::string& expected) {
    return QTest::qWaitFor(
        [&] {
            const std::vector<std::string> lines = statusLines();
            return lines.size() > index && lines[index] == expected;
        },
        10000);
}

TEST_F(AgentStatusTest, StatusFollowsTheUnitAndTheSettingsOfTheRunningAgent) {
    AgentProcess agent(home.path(),
                       {"--pointer", "log", "--device", QString::fromStdString(fifo().string())});
    agent.start();
    ASSERT_TRUE(watcher.waitFor("DriverOpened")) << agent.errorOutput().toStdString();

    const std::vector<std::string> lines = statusLines();
    ASSERT_EQ(lines.size(), 6U);
    EXPECT_EQ(lines[0], "unit: not connected");
    EXPECT_EQ(lines[1], "pointer: log, events are only printed (a dry run)");
    EXPECT_TRUE(lines[2].starts_with("board output: \"") &&
                lines[2].ends_with("\", the primary output"))
        << lines[2];
    EXPECT_TRUE(lines[3].starts_with("calibration: usable, graded ")) << lines[3];
    EXPECT_EQ(lines[4], "smoothing: average of 4 samples");
    EXPECT_TRUE(lines[5].ends_with(", Qt platform xcb")) << lines[5];

    // A writer on the FIFO is the unit plugged in; its end, the unit gone.
    int writer = -1;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        writer = ::open(fifo().c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        return writer >= 0;
    }));
    EXPECT_TRUE(statusLineBecomes(0, "unit: connected, " + fifo().string()));

    const CommandResult smooth =
        runCommand("XDG_CONFIG_HOME=" + quoted(home / "config") + " " +
                   eboardctlCommand("smooth adaptive --min-cutoff 0.5", {}, Stderr::Merged));
    EXPECT_EQ(smooth.status, 0) << smooth.out;
    EXPECT_TRUE(statusLineBecomes(4, "smoothing: adaptive (min cutoff 0.5 Hz, beta 0.1)"));

    ::close(writer);
    EXPECT_TRUE(statusLineBecomes(0, "unit: not connected"));

    watcher.post("Quit");
    EXPECT_EQ(agent.waitForExit(), 0);
    const CommandResult gone = eboardctl("status", {}, Stderr::Merged);
    EXPECT_EQ(gone.status, 1);
    EXPECT_EQ(gone.out, "eboardctl: no agent is running (nobody owns com.jux.eBoardAgent on the "
                        "session bus); start eBoardAgent first\n");
}

} // namespace
} // namespace eboard::testing
