#include "core/base/AgentConfig.h"

#include "core/base/DataFile.h"
#include "support/OddFiles.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace eboard {
namespace {

TEST(AgentConfig, ReadsTheLastLineOfAKeyAndSkipsComments) {
    const std::string text = "# output=commented\n"
                             "output = HDMI-1 \n"
                             "other=1\n"
                             "output=DP-2\r\n"
                             "no equals sign\n";
    EXPECT_EQ(configValue(text, "output"), "DP-2");
    EXPECT_EQ(configValue(text, "other"), "1");
    EXPECT_EQ(configValue(text, "missing"), std::nullopt);
    EXPECT_EQ(configValue("", "output"), std::nullopt);
}

TEST(AgentConfig, SettingAKeyKeepsEveryOtherLine) {
    EXPECT_EQ(withConfigValue("", "output", "primary"), "output=primary\n");
    EXPECT_EQ(withConfigValue("# mine\nother=1\noutput=A\nlast=2", "output", "B"),
              "# mine\nother=1\noutput=B\nlast=2\n");
    // Two lines of the key become one.
    EXPECT_EQ(withConfigValue("output=A\noutput=C\n", "output", "B"), "output=B\n");
}

TEST(AgentConfig, BoardOutputChoiceIsRememberedInItsOwnFolder) {
    const testing::TempDir dir;
    const std::filesystem::path path = dir.path() / "config" / "eboard" / "agent.conf";
    EXPECT_EQ(readBoardOutputChoice(path), std::nullopt);
    ASSERT_FALSE(writeBoardOutputChoice(path, "HDMI-1"));
    EXPECT_EQ(readBoardOutputChoice(path), "HDMI-1");
    testing::writeText(path, "# kept\n" + testing::readText(path));
    ASSERT_FALSE(writeBoardOutputChoice(path, "primary"));
    EXPECT_EQ(readBoardOutputChoice(path), "primary");
    EXPECT_EQ(testing::readText(path), "# kept\noutput=primary\n");
}

TEST(AgentConfig, AFifoInsteadOfTheFileIsNeitherWaitedOnNorReplaced) {
    const testing::TempDir dir;
    testing::makeFifo(dir / "agent.conf");
    const testing::HangGuard guard(5);
    EXPECT_EQ(readBoardOutputChoice(dir / "agent.conf"), std::nullopt);
    EXPECT_EQ(writeBoardOutputChoice(dir / "agent.conf", "HDMI-1"), NotRegularFile::Fifo);
    EXPECT_EQ(std::filesystem::status(dir / "agent.conf").type(), std::filesystem::file_type::fifo);
}

TEST(AgentConfig, PathFollowsXdgConfigHome) {
    {
        const testing::ScopedEnv config("XDG_CONFIG_HOME", "/somewhere/conf");
        EXPECT_EQ(agentConfigPath(), std::filesystem::path("/somewhere/conf/eboard/agent.conf"));
    }
    const testing::ScopedEnv config("XDG_CONFIG_HOME", "relative");
    const testing::ScopedEnv home("HOME", "/home/someone");
    EXPECT_EQ(agentConfigPath(), std::filesystem::path("/home/someone/.config/eboard/agent.conf"));
}

} // namespace
} // namespace eboard
