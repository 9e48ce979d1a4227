#include "core/calibration/TargetCapture.h"

#include "core/state/JUXPrompt.h"
#include "support/SharedState.h"

#include <gtest/gtest.h>

namespace eboard {
namespace {

class TargetCaptureTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::resetSharedState();
        prompt.setCurrentStatus(JUXPrompt::kTargetCaptureMode);
    }
    void TearDown() override { testing::resetSharedState(); }
    CaptureResult feed(double x, double y) {
        prompt.setLightPointRaw({x, y});
        return captureTargetPoint(prompt);
    }
    JUXPrompt& prompt = JUXPrompt::getPrompt();
};

TEST_F(TargetCaptureTest, FourCapturesWrapTheIndexAndEndTheCollection) {
    EXPECT_EQ(feed(100, 100), CaptureResult::Captured);
    EXPECT_EQ(prompt.calibrateIndex(), 1);
    EXPECT_EQ(feed(100, 700), CaptureResult::Captured);
    EXPECT_EQ(feed(900, 100), CaptureResult::Captured);
    EXPECT_EQ(prompt.currentStatus(), JUXPrompt::kTargetCaptureMode);
    EXPECT_EQ(feed(900, 700), CaptureResult::CapturedLast);
    EXPECT_EQ(prompt.calibrateIndex(), 0);
    EXPECT_EQ(prompt.currentStatus(), JUXPrompt::kTargetsCapturedMode);
    const std::vector<PointD> expected{{100, 100}, {100, 700}, {900, 100}, {900, 700}};
    EXPECT_EQ(prompt.CalibratePoint(), expected);
}

TEST_F(TargetCaptureTest, SixtyFourUnitRuleTruncatesTowardZero) {
    prompt.setCalibratePoint({{500, 400}});
    prompt.setCalibrateIndex(1);
    EXPECT_EQ(feed(563.9, 410), CaptureResult::Ignored);   // dx 63
    EXPECT_EQ(feed(436.5, 463.9), CaptureResult::Ignored); // dx -63, dy 63
    EXPECT_EQ(prompt.calibrateIndex(), 1);
    EXPECT_EQ(prompt.CalibratePoint().size(), 1u);
    EXPECT_EQ(feed(436, 400), CaptureResult::Captured); // dx -64
    EXPECT_EQ(prompt.CalibratePoint()[1], (PointD{436, 400}));
    EXPECT_EQ(feed(436, 464), CaptureResult::Captured); // dy 64 alone is enough
}

TEST_F(TargetCaptureTest, HeldPenGivesOneCaptureUntilItMoves) {
    EXPECT_EQ(feed(200, 200), CaptureResult::Captured);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(feed(200, 200), CaptureResult::Ignored);
    }
    EXPECT_EQ(prompt.calibrateIndex(), 1);
    EXPECT_EQ(feed(200, 264), CaptureResult::Captured);
}

TEST_F(TargetCaptureTest, ComparesOnlyWithTheCaptureJustBefore) {
    feed(100, 100);
    feed(100, 700);
    // Back at target 0's point: far from target 1's capture, so it is taken.
    EXPECT_EQ(feed(100, 100), CaptureResult::Captured);
    EXPECT_EQ(prompt.calibrateIndex(), 3);
}

TEST_F(TargetCaptureTest, IndexOutsideTheTargetsDoesNothing) {
    for (int index : {-1, 4, 17}) {
        prompt.setCalibrateIndex(index);
        EXPECT_EQ(feed(1, 1), CaptureResult::Ignored);
        EXPECT_EQ(prompt.calibrateIndex(), index);
        EXPECT_TRUE(prompt.CalibratePoint().empty());
    }
}

TEST_F(TargetCaptureTest, RunStartingAtALaterTargetHasNothingToCompareWith) {
    prompt.setCalibrateIndex(2);
    EXPECT_EQ(feed(300, 300), CaptureResult::Captured);
    ASSERT_EQ(prompt.CalibratePoint().size(), 3u);
    EXPECT_EQ(prompt.CalibratePoint()[2], (PointD{300, 300}));
    EXPECT_EQ(prompt.calibrateIndex(), 3);
}

TEST_F(TargetCaptureTest, NewRunOverwritesEarlierCaptures) {
    prompt.setCalibratePoint({{1, 1}, {2, 2}, {3, 3}, {4, 4}});
    EXPECT_EQ(feed(500, 500), CaptureResult::Captured);
    EXPECT_EQ(prompt.CalibratePoint()[0], (PointD{500, 500}));
    EXPECT_EQ(prompt.CalibratePoint().size(), 4u);
}

} // namespace
} // namespace eboard
