// Runs every recording under tests/data/replay through `eboardctl replay` and compares
// the event log with the expected one (worked out by hand, see the README there).
#include "core/calibration/CalibrationData.h"
#include "core/calibration/SettingArchive.h"
#include "core/pen/ProjectiveMapping.h"
#include "core/state/JUXPrompt.h"
#include "support/Eboardctl.h"
#include "support/TempDir.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace eboard::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kReplayDir = fs::path(EBOARD_TEST_DATA_DIR) / "replay";
// Slots Raw0..Raw3 (top left, top right, bottom left, bottom right) for a 1280 x 640
// screen whose targets lie at twice these points.
const eboard::SettingData kCalibration({64, 288, 576, 288, 64, 32, 576, 32});

class ReplayGolden : public ::testing::TestWithParam<std::string> {
protected:
    static void SetUpTestSuite() {
        // One file per process: CTest runs the cases as parallel processes.
        archive = fs::temp_directory_path() /
                  ("eboard-replay-golden-" + std::to_string(::getpid()) + ".archive");
        ASSERT_FALSE(eboard::writeSettingArchive(archive, kCalibration));
    }
    static void TearDownTestSuite() { fs::remove(archive); }
    static fs::path archive;
};
fs::path ReplayGolden::archive;

TEST(ReplayCalibration, MapsExactlyOntoTwiceTheRawPoint) {
    eboard::JUXPrompt& prompt = eboard::JUXPrompt::getPrompt();
    prompt.setSettingData(kCalibration);
    prompt.setScreenWidth(1280);
    prompt.setScreenHeight(640);
    eboard::initCalibrateData();
    const eboard::PerspectiveTransform& mapping = eboard::penToScreenMapping();
    for (int x = -200; x <= 1100; x += 1) {
        for (int y = 0; y <= 800; y += 7) {
            const eboard::PointF mapped =
                mapping.mapPoint({static_cast<float>(x), static_cast<float>(y)});
            ASSERT_EQ(mapped, (eboard::PointF{2.0f * x, 2.0f * y})) << x << " " << y;
        }
    }
}

TEST_P(ReplayGolden, LogMatchesTheExpectedEvents) {
    const fs::path recording = kReplayDir / (GetParam() + ".rec");
    const std::string arguments = "replay " + quoted(recording) + " --calibration " +
                                  quoted(archive) + " --screen 1280x640 --smooth 4 --pointer log";
    const CommandResult result = eboardctl(arguments);
    ASSERT_EQ(result.status, 0) << arguments;
    EXPECT_EQ(result.out, readText(kReplayDir / (GetParam() + ".expected"))) << arguments;
}

INSTANTIATE_TEST_SUITE_P(Recordings, ReplayGolden,
                         ::testing::Values("tap", "drag-jitter", "double-tap", "early-lift",
                                           "dwell", "jump", "edges", "invalid"),
                         [](const ::testing::TestParamInfo<std::string>& param) {
                             std::string name = param.param;
                             std::erase(name, '-');
                             return name;
                         });

// The x of every drag in a replay's log.
std::vector<double> dragsOf(const std::string& log) {
    std::vector<double> xs;
    std::istringstream lines(log);
    for (std::string word; lines >> word;) {
        if (word == "left-drag") {
            double x = 0;
            lines >> x;
            xs.push_back(x);
        }
    }
    return xs;
}

TEST_F(ReplayGolden, AdaptiveSmoothingTrailsThePenLessThanTheAverage) {
    const std::string replay = "replay " + quoted(kReplayDir / "drag-jitter.rec") +
                               " --calibration " + quoted(archive) + " --screen 1280x640";
    const std::vector<double> raw = dragsOf(eboardctl(replay + " --smooth 1").out);
    const std::vector<double> average = dragsOf(eboardctl(replay + " --smooth 4").out);
    const CommandResult adaptive = eboardctl(replay + " --smooth adaptive", {}, Stderr::Merged);
    ASSERT_EQ(adaptive.status, 0);
    EXPECT_NE(adaptive.out.find("eboardctl: pen smoothing: adaptive (min cutoff 1 Hz, beta 0.1)"),
              std::string::npos)
        << adaptive.out;
    const std::vector<double> smoothed = dragsOf(adaptive.out);
    ASSERT_EQ(smoothed.size(), raw.size());
    ASSERT_EQ(average.size(), raw.size());
    ASSERT_GT(raw.size(), 3u);
    EXPECT_EQ(smoothed[0], raw[0]) << "the first position of a stroke passes as it is";
    double adaptiveBehind = 0;
    double averageBehind = 0;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        adaptiveBehind += std::abs(raw[i] - smoothed[i]);
        averageBehind += std::abs(raw[i] - average[i]);
    }
    EXPECT_LT(adaptiveBehind, averageBehind);
    // The parameters are taken, and the same input gives the same log.
    const std::string calm = replay + " --smooth adaptive --beta 0";
    EXPECT_NE(dragsOf(eboardctl(calm).out), smoothed);
    EXPECT_EQ(eboardctl(calm).out, eboardctl(calm).out);
}

TEST(ReplayCommand, BadRecordingLineIsAnErrorNamingTheLine) {
    const fs::path bad =
        fs::temp_directory_path() / ("eboard-replay-bad-" + std::to_string(::getpid()) + ".rec");
    std::ofstream(bad) << "# fine\nE: 0.000000 20 01 55\n";
    const CommandResult result =
        eboardctl("replay " + quoted(bad) + " --calibration /nonexistent", {}, Stderr::Merged);
    fs::remove(bad);
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.out.find(bad.filename().string() + ":2:"), std::string::npos) << result.out;
}

TEST(ReplayCommand, RejectsUnknownPointerAndBadOptions) {
    const std::string replay = "replay " + quoted(kReplayDir / "tap.rec");
    EXPECT_EQ(eboardctl(replay + " --pointer mouse", {}, Stderr::Merged).status, 2);
    EXPECT_EQ(eboardctl(replay + " --screen 1280", {}, Stderr::Merged).status, 2);
    EXPECT_EQ(eboardctl(replay + " --smooth 4x", {}, Stderr::Merged).status, 2);
    EXPECT_EQ(eboardctl(replay + " --smooth fast", {}, Stderr::Merged).status, 2);
    EXPECT_EQ(eboardctl(replay + " --smooth 4 --beta 1", {}, Stderr::Merged).status, 2);
    EXPECT_EQ(eboardctl(replay + " --smooth adaptive --beta -1", {}, Stderr::Merged).status, 2);
    EXPECT_EQ(eboardctl(replay + " --smooth adaptive --min-cutoff 0", {}, Stderr::Merged).status,
              2);
    EXPECT_EQ(eboardctl("replay", {}, Stderr::Merged).status, 2);
}

} // namespace
} // namespace eboard::testing
