#include "core/frame/FrameCheck.h"

#include "core/base/DataPaths.h"
#include "core/calibration/SettingArchive.h"
#include "core/notify/NotificationCenter.h"
#include "core/pen/Clock.h"
#include "support/PenPipeline.h"
#include "support/RecordingPointerSink.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace eboard;
using namespace eboard::testing;
using Kind = RecordingPointerSink::Kind;

FrameBytes bytes(std::initializer_list<std::uint8_t> head) {
    FrameBytes f{};
    std::copy(head.begin(), head.end(), f.begin());
    return f;
}

// The frame vectors worked out by hand.
struct FrameCase {
    const char* what;
    FrameBytes frame;
    bool valid;
    bool lightPoint;
    PointD raw; // when valid with a light point
};

class FrameVectors : public ::testing::TestWithParam<FrameCase> {};

TEST_P(FrameVectors, CheckAndDecode) {
    const FrameCase& c = GetParam();
    EXPECT_EQ(isValidFrame(Frame(c.frame)), c.valid) << c.what;
    if (c.valid) {
        EXPECT_EQ(frameHasLightPoint(Frame(c.frame)), c.lightPoint) << c.what;
    }
    if (c.valid && c.lightPoint) {
        EXPECT_EQ(rawLightPointX(Frame(c.frame)), c.raw.x) << c.what;
        EXPECT_EQ(rawLightPointY(Frame(c.frame)), c.raw.y) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Frames, FrameVectors,
    ::testing::Values(
        // 1 + 85 + 4 + 1 + 0 + 2 + 0 = 93 = 0x5D; X = 256, Y = 512.
        FrameCase{"point",
                  bytes({0x01, 0x55, 0x5D, 0x04, 0x01, 0x00, 0x02, 0x00}),
                  true,
                  true,
                  {768, 512}},
        FrameCase{"point, checksum + 1",
                  bytes({0x01, 0x55, 0x5E, 0x04, 0x01, 0x00, 0x02, 0x00}),
                  false,
                  false,
                  {}},
        FrameCase{"point, checksum - 1",
                  bytes({0x01, 0x55, 0x5C, 0x04, 0x01, 0x00, 0x02, 0x00}),
                  false,
                  false,
                  {}},
        FrameCase{"zeros", bytes({0x01, 0x55, 0x5A, 0x04}), true, false, {}},
        FrameCase{"zeros, checksum + 1", bytes({0x01, 0x55, 0x5B, 0x04}), false, false, {}},
        // 1 + 85 + 4 + 4 * 255 = 1110; 1110 mod 256 = 86 = 0x56.
        FrameCase{"FF", bytes({0x01, 0x55, 0x56, 0x04, 0xFF, 0xFF, 0xFF, 0xFF}), true, false, {}},
        FrameCase{"FF, checksum - 1",
                  bytes({0x01, 0x55, 0x55, 0x04, 0xFF, 0xFF, 0xFF, 0xFF}),
                  false,
                  false,
                  {}},
        // Wrong header bytes with a checksum recomputed to match.
        FrameCase{"header 02", bytes({0x02, 0x55, 0x5B, 0x04}), false, false, {}},
        FrameCase{"header 54", bytes({0x01, 0x54, 0x59, 0x04}), false, false, {}},
        // N = 0: checksum 1 + 85 = 0x56, the point still decoded.
        FrameCase{"N = 0",
                  bytes({0x01, 0x55, 0x56, 0x00, 0x01, 0x00, 0x02, 0x00}),
                  true,
                  true,
                  {768, 512}},
        FrameCase{"FF FF 00 00 is a point",
                  bytes({0x01, 0x55, 0x58, 0x04, 0xFF, 0xFF, 0x00, 0x00}),
                  true,
                  true,
                  {1024.0 - 65535.0, 0}},
        FrameCase{"X = 0", makeFrame(0, 7), true, true, {1024, 7}},
        FrameCase{"X = 1024", makeFrame(1024, 7), true, true, {0, 7}},
        FrameCase{"X = 1100", makeFrame(1100, 7), true, true, {-76, 7}},
        FrameCase{"N = 16 over the whole rest", makeFrame(300, 400, 16), true, true, {724, 400}},
        // Sum of header and length only: 1 + 85 + 17 = 0x67; a sum cut at 16 bytes would match.
        FrameCase{"N = 17", bytes({0x01, 0x55, 0x67, 0x11}), false, false, {}},
        FrameCase{"N = 255", bytes({0x01, 0x55, 0x55, 0xFF}), false, false, {}}));

class CommandParserTest : public ::testing::Test {
protected:
    void SetUp() override {
        preparePenPipeline(sink, clock, 1600, 900);
        resetPointerState();
        for (const char* name : {"UpdatePreView", "CleanPreView", "UpdateCalibrate",
                                 "CalibrateFinish", "CalibrateNotSaved"}) {
            center().addObserver(this, name, [this, name] {
                notified.push_back(name);
                rawAtPost.push_back(JUXPrompt::getPrompt().LightPointRaw());
                statusAtPost.push_back(JUXPrompt::getPrompt().currentStatus());
            });
        }
    }
    void TearDown() override {
        center().removeObserver(this);
        resetPenPipeline();
    }
    static NotificationCenter& center() { return NotificationCenter::defaultCenter(); }
    static void setMode(std::int32_t mode) { JUXPrompt::getPrompt().setCurrentStatus(mode); }
    static PointD raw() { return JUXPrompt::getPrompt().LightPointRaw(); }

    RecordingPointerSink sink;
    ManualClock clock;
    std::vector<std::string> notified;
    std::vector<PointD> rawAtPost;
    std::vector<std::int32_t> statusAtPost;
};

TEST_F(CommandParserTest, PointerModeFramesDriveTheStroke) {
    feed(rawPointFrame(100, 700));
    EXPECT_EQ(raw(), (PointD{100, 700}));
    EXPECT_TRUE(pointerState().lightPointPresent);
    ASSERT_EQ(sink.events.size(), 2u);
    EXPECT_EQ(sink.events[1].kind, Kind::LeftDown);

    clock.setNow(1.0);
    feed(noPointFrame(0xFF));
    EXPECT_FALSE(pointerState().lightPointPresent);
    EXPECT_EQ(raw(), (PointD{100, 700})); // keeps its last value
    ASSERT_EQ(sink.events.size(), 4u);
    EXPECT_EQ(sink.events[3].kind, Kind::LeftUp);
    EXPECT_TRUE(notified.empty());
}

TEST_F(CommandParserTest, DroppedFramesChangeNothingAndAreNoLift) {
    feed(rawPointFrame(100, 700));
    const auto before = sink.events.size();

    FrameBytes badChecksum = noPointFrame();
    ++badChecksum[2];
    FrameBytes badHeader = noPointFrame();
    badHeader[1] = 0x54;
    --badHeader[2];
    FrameBytes longPayload = noPointFrame();
    longPayload[3] = 17;
    longPayload[2] = 1 + 0x55 + 17;
    FrameBytes otherPoint = rawPointFrame(500, 100);
    ++otherPoint[2];
    for (const FrameBytes& frame : {badChecksum, badHeader, longPayload, otherPoint}) {
        feed(frame);
    }
    EXPECT_EQ(sink.events.size(), before);
    EXPECT_TRUE(pointerState().penWasDown);
    EXPECT_TRUE(pointerState().lightPointPresent);
    EXPECT_EQ(raw(), (PointD{100, 700}));
}

TEST_F(CommandParserTest, PreviewModePostsUpdateForEveryPointAndCleanOncePerRun) {
    setMode(JUXPrompt::kPreviewMode);
    feed(noPointFrame()); // nothing shown yet: nothing to clean
    feed(rawPointFrame(10, 20));
    feed(rawPointFrame(11, 21));
    feed(noPointFrame());
    feed(noPointFrame(0xFF));
    feed(noPointFrame());
    feed(rawPointFrame(12, 22));

    EXPECT_EQ(notified, (std::vector<std::string>{"UpdatePreView", "UpdatePreView", "CleanPreView",
                                                  "UpdatePreView"}));
    // LightPointRaw is written before the observers run.
    EXPECT_EQ(rawAtPost[0], (PointD{10, 20}));
    EXPECT_EQ(rawAtPost[1], (PointD{11, 21}));
    EXPECT_EQ(rawAtPost[3], (PointD{12, 22}));
    EXPECT_TRUE(parserState().previewShown);
    EXPECT_TRUE(sink.events.empty());
    EXPECT_FALSE(pointerState().lightPointPresent);
}

TEST_F(CommandParserTest, PreviewShownSurvivesAModeChange) {
    setMode(JUXPrompt::kPreviewMode);
    feed(rawPointFrame(10, 20));
    setMode(JUXPrompt::kTargetCaptureMode);
    feed(noPointFrame());
    setMode(JUXPrompt::kPreviewMode);
    feed(noPointFrame());
    EXPECT_EQ(notified, (std::vector<std::string>{"UpdatePreView", "CleanPreView"}));
}

TEST_F(CommandParserTest, TargetCaptureModePostsUpdateCalibrateForPointsOnly) {
    setMode(JUXPrompt::kTargetCaptureMode);
    feed(rawPointFrame(30, 40));
    feed(noPointFrame());
    feed(rawPointFrame(31, 41));
    EXPECT_EQ(notified, (std::vector<std::string>{"UpdateCalibrate", "UpdateCalibrate"}));
    EXPECT_EQ(rawAtPost[1], (PointD{31, 41}));
    EXPECT_TRUE(sink.events.empty());
}

TEST_F(CommandParserTest, ModesOutsideZeroToThreeIgnoreFrames) {
    for (std::int32_t mode : {-1, 4, 1000}) {
        setMode(mode);
        feed(rawPointFrame(30, 40));
        feed(noPointFrame());
    }
    EXPECT_TRUE(notified.empty());
    EXPECT_TRUE(sink.events.empty());
    EXPECT_EQ(raw(), (PointD{}));
}

// Writes the archive under a temporary home, as the agent does under the user's.
class CalibrationCompletionTest : public CommandParserTest {
protected:
    void SetUp() override {
        CommandParserTest::SetUp();
        const char* oldHome = std::getenv("HOME");
        savedHome = oldHome != nullptr ? oldHome : "";
        home = scratch.path();
        std::filesystem::create_directories(dataDirectory(home));
        ::setenv("HOME", home.c_str(), 1);

        JUXPrompt& prompt = JUXPrompt::getPrompt();
        // Targets 0 top left, 1 bottom left, 2 top right, 3 bottom right (origin bottom left).
        prompt.setScreenCalibratePoint({{160, 810}, {160, 90}, {1440, 810}, {1440, 90}});
        // A camera that sees the screen slightly rotated and in perspective.
        prompt.setCalibratePoint({{210, 130}, {190, 610}, {830, 150}, {850, 640}});
        setMode(JUXPrompt::kTargetsCapturedMode);
    }
    void TearDown() override {
        ::setenv("HOME", savedHome.c_str(), 1);
        CommandParserTest::TearDown();
    }
    // Its own folder per process: tests of this fixture run side by side under ctest.
    eboard::testing::TempDir scratch;
    std::string savedHome;
    std::filesystem::path home;
};

TEST_F(CalibrationCompletionTest, WaitsForTheFirstFrameWithoutALightPoint) {
    const SettingData before = JUXPrompt::getPrompt().settingData();
    feed(rawPointFrame(500, 500));
    feed(rawPointFrame(501, 500));
    EXPECT_TRUE(notified.empty());
    EXPECT_EQ(JUXPrompt::getPrompt().currentStatus(), JUXPrompt::kTargetsCapturedMode);
    EXPECT_EQ(JUXPrompt::getPrompt().settingData(), before);
    EXPECT_EQ(raw(), (PointD{})); // frames with a point change nothing in mode 3
    EXPECT_FALSE(std::filesystem::exists(archivePath(home)));

    feed(noPointFrame());
    EXPECT_EQ(notified, (std::vector<std::string>{"CalibrateFinish"}));
    EXPECT_EQ(statusAtPost[0], JUXPrompt::kPointerMode); // set before the announcement
}

TEST_F(CalibrationCompletionTest, SolvesStoresArchivesAndReturnsToPointerMode) {
    feed(noPointFrame(0xFF));
    JUXPrompt& prompt = JUXPrompt::getPrompt();
    EXPECT_EQ(prompt.currentStatus(), JUXPrompt::kPointerMode);
    EXPECT_EQ(prompt.iFirstCalibrate(), 1);

    // Slots in screen reading order: top left (C0), top right (C2), bottom left (C1),
    // bottom right (C3).
    const SettingData expected({210, 130, 830, 150, 190, 610, 850, 640});
    EXPECT_EQ(prompt.settingData(), expected);

    const SettingArchiveLoad load = readSettingArchive(archivePath(home));
    ASSERT_EQ(load.outcome, SettingArchiveLoad::Outcome::Loaded);
    EXPECT_EQ(load.data, expected);

    // The mapping carries each captured point onto its target.
    const auto& captured = prompt.CalibratePoint();
    const auto& targets = prompt.ScreenCalibratePoint();
    ASSERT_TRUE(penToScreenMapping().isUsable());
    for (std::size_t i = 0; i < 4; ++i) {
        const PointF mapped = penToScreenMapping().mapPoint(
            PointF{static_cast<float>(captured[i].x), static_cast<float>(captured[i].y)});
        EXPECT_NEAR(mapped.x, targets[i].x, 0.01) << "corner " << i;
        EXPECT_NEAR(mapped.y, targets[i].y, 0.01) << "corner " << i;
    }

    // The next frame already drives the pointer through the new mapping: C1 lands on
    // target 1 (160, 90), display y 900 - 90.
    feed(rawPointFrame(190, 610));
    ASSERT_EQ(sink.events.size(), 2u);
    EXPECT_NEAR(sink.events[1].position.x, 160, 0.01);
    EXPECT_NEAR(sink.events[1].position.y, 810, 0.01);
}

TEST_F(CalibrationCompletionTest, AnUnwritableArchiveStillCompletesInMemory) {
    std::filesystem::remove_all(dataDirectory(home));
    ::testing::internal::CaptureStderr();
    feed(noPointFrame());
    const std::string warning = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(warning.find(archivePath(home).string()), std::string::npos) << warning;
    // The run is told it was not stored, with the path and the reason for the user.
    EXPECT_EQ(notified, (std::vector<std::string>{"CalibrateNotSaved"}));
    EXPECT_NE(JUXPrompt::getPrompt().storeFailure().find(archivePath(home).string()),
              std::string::npos);
    EXPECT_EQ(JUXPrompt::getPrompt().iFirstCalibrate(), 1);
    EXPECT_TRUE(penToScreenMapping().isUsable());
    EXPECT_FALSE(std::filesystem::exists(archivePath(home)));
}

TEST_F(CalibrationCompletionTest, FewerThanFourCapturedPointsGiveThePenBackUnchanged) {
    JUXPrompt& prompt = JUXPrompt::getPrompt();
    prompt.setCalibratePoint({{210, 130}, {190, 610}, {830, 150}});
    const SettingData before = prompt.settingData();
    feed(noPointFrame());
    EXPECT_TRUE(notified.empty());
    EXPECT_EQ(prompt.currentStatus(), JUXPrompt::kPointerMode);
    EXPECT_EQ(prompt.settingData(), before);
    EXPECT_EQ(prompt.iFirstCalibrate(), 0);
    EXPECT_FALSE(std::filesystem::exists(archivePath(home)));
}

} // namespace
