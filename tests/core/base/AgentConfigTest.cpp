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

// An administrator's defaults in $XDG_CONFIG_DIRS; the user's file wins over them, and the
// first folder listed over the next.
TEST(AgentConfig, SystemDefaultsComeFirstAndTheUsersFileWins) {
    const testing::TempDir dir;
    const auto conf = [&](const char* folder) { return dir / folder / "eboard" / "agent.conf"; };
    for (const char* folder : {"site", "vendor", "user"}) {
        std::filesystem::create_directories(conf(folder).parent_path());
    }
    testing::writeText(conf("vendor"), "smoothing=adaptive\noutput=HDMI-1\nsmoothing_beta=0.3\n");
    testing::writeText(conf("site"), "output=HDMI-2\n");
    testing::writeText(conf("user"), "smoothing_beta=0.2\n");
    const testing::ScopedEnv dirs("XDG_CONFIG_DIRS", (dir / "site").string() +
                                                         ":relative:" + (dir / "vendor").string());
    EXPECT_EQ(systemConfigPaths(), (std::vector{conf("vendor"), conf("site")}));
    const std::string settings = readAgentSettings(conf("user"));
    EXPECT_EQ(configValue(settings, "output"), "HDMI-2");
    EXPECT_EQ(configValue(settings, "smoothing"), "adaptive");
    EXPECT_EQ(configValue(settings, "smoothing_beta"), "0.2");
    // Missing files are no settings, not an error.
    EXPECT_EQ(configValue(readAgentSettings(dir / "nobody.conf"), "smoothing_beta"), "0.3");
    const testing::ScopedEnv none("XDG_CONFIG_DIRS", std::nullopt);
    EXPECT_EQ(systemConfigPaths(),
              std::vector<std::filesystem::path>{"/etc/xdg/eboard/agent.conf"});
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
