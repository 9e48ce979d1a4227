#include "core/pen/StrokeInterpretation.h"

#include "core/pen/Clock.h"
#include "support/PenPipeline.h"
#include "support/RecordingPointerSink.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

using namespace eboard;
using namespace eboard::testing;
using Event = RecordingPointerSink::Event;
using Kind = RecordingPointerSink::Kind;
using Events = std::vector<Event>;

Event move(double x, double y) {
    return {Kind::Move, {x, y}, 0, 0, 0};
}
Event leftDown(double x, double y, std::uint32_t n) {
    return {Kind::LeftDown, {x, y}, n, 0, 0};
}
Event leftUp(double x, double y, std::uint32_t n) {
    return {Kind::LeftUp, {x, y}, n, 0, 0};
}
Event drag(double x, double y, std::int64_t dx, std::int64_t dy) {
    return {Kind::LeftDrag, {x, y}, 0, dx, dy};
}
Event doubleClick(double x, double y) {
    return {Kind::LeftDouble, {x, y}, 0, 0, 0};
}
Event rightDown(double x, double y, std::uint32_t n) {
    return {Kind::RightDown, {x, y}, n, 0, 0};
}
Event rightUp(double x, double y, std::uint32_t n) {
    return {Kind::RightUp, {x, y}, n, 0, 0};
}

// Screen 1600 x 900; raw points map onto themselves, so a "mapped" position is the
// raw point and the display position is (x, 900 - y).
class StrokeTest : public ::testing::Test {
protected:
    void SetUp() override {
        preparePenPipeline(sink, clock, 1600, 900);
        setDistributedCenter(&announcements);
        resetPointerState(); // the unit opens at t = 100
    }
    void TearDown() override { resetPenPipeline(); }

    static void penAt(float x, float y) {
        JUXPrompt::getPrompt().setLightPointRaw(PointD{x, y});
        pointerState().lightPointPresent = true;
        interpretStroke();
    }
    static void penUp() {
        pointerState().lightPointPresent = false;
        interpretStroke();
    }
    // Everything posted since the last call.
    Events take() {
        Events events = std::move(sink.events);
        sink.events.clear();
        return events;
    }

    RecordingPointerSink sink;
    ManualClock clock{100.0};
    RecordingDistributedCenter announcements;
};

TEST_F(StrokeTest, TapPressesAtTheTouchDragsAndReleasesAtTheTouch) {
    penAt(100, 700);
    EXPECT_EQ(take(), (Events{move(100, 200), leftDown(100, 200, 1025)}));
    penAt(104, 698);
    EXPECT_EQ(take(), (Events{drag(104, 202, 4, 2)}));
    EXPECT_EQ(pointerState().dwellCount, 1);
    clock.setNow(101.0);
    penUp();
    EXPECT_EQ(take(), (Events{move(100, 200), leftUp(100, 200, 1025)}));
    EXPECT_EQ(pointerState().dwellCount, 0);
    EXPECT_FALSE(pointerState().penWasDown);
    penUp(); // no pen before, no light point now: nothing
    EXPECT_TRUE(take().empty());
    EXPECT_TRUE(announcements.posts.empty());
}

struct LiftGap {
    double seconds;
    bool doubleClick;
};
class DoubleClickTiming : public StrokeTest, public ::testing::WithParamInterface<LiftGap> {};

TEST_P(DoubleClickTiming, SecondLiftWithinThreeTenthsDoubleClicksAtItsAnchor) {
    clock.setNow(200.0);
    penAt(300, 300);
    penUp();
    penAt(310, 305); // the second tap lands elsewhere
    clock.setNow(200.0 + GetParam().seconds);
    take();
    penUp();
    Events expected{move(310, 595), leftUp(310, 595, 1026)};
    if (GetParam().doubleClick) {
        expected.push_back(doubleClick(310, 595));
    }
    EXPECT_EQ(take(), expected);
    EXPECT_EQ(pointerState().lastReleaseTime, 200.0 + GetParam().seconds);
}

INSTANTIATE_TEST_SUITE_P(Gaps, DoubleClickTiming,
                         ::testing::Values(LiftGap{0.0, true}, LiftGap{0.1, true},
                                           LiftGap{0.299, true}, LiftGap{0.3, false},
                                           LiftGap{0.301, false}, LiftGap{2.0, false}));

// Lift times as a recording gives them, in whole microseconds; decimal seconds are not
// exact in binary, and 2.3 - 2.0 falls just short of 0.3.
struct RecordedLifts {
    std::int64_t firstMicroseconds;
    std::int64_t secondMicroseconds;
    bool doubleClick;
};
class RecordedLiftTiming : public StrokeTest,
                           public ::testing::WithParamInterface<RecordedLifts> {};

TEST_P(RecordedLiftTiming, ExactlyThreeTenthsApartIsNoDoubleClick) {
    const auto at = [](std::int64_t microseconds) {
        return static_cast<double>(microseconds) / 1e6;
    };
    clock.setNow(at(GetParam().firstMicroseconds));
    penAt(300, 300);
    penUp();
    penAt(300, 300);
    clock.setNow(at(GetParam().secondMicroseconds));
    take();
    penUp();
    EXPECT_EQ(take().size(), GetParam().doubleClick ? 3u : 2u);
}

INSTANTIATE_TEST_SUITE_P(Stamps, RecordedLiftTiming,
                         ::testing::Values(RecordedLifts{2'000'000, 2'300'000, false},
                                           RecordedLifts{2'000'000, 2'299'999, true},
                                           RecordedLifts{17'000'000, 17'300'000, false},
                                           RecordedLifts{1'234'567, 1'534'567, false},
                                           RecordedLifts{1'234'567, 1'534'566, true},
                                           RecordedLifts{700'000, 1'000'000, false}));

TEST_F(StrokeTest, ALiftSoonAfterTheUnitOpenedDoubleClicks) {
    penAt(50, 50);
    clock.setNow(100.2);
    penUp();
    EXPECT_EQ(take(), (Events{move(50, 850), leftDown(50, 850, 1025), move(50, 850),
                              leftUp(50, 850, 1025), doubleClick(50, 850)}));
}

TEST_F(StrokeTest, AUnitReopenedWhileThePenTouchesReleasesOnItsFirstEmptyFrame) {
    penAt(50, 50);
    take();
    // Unplugged: no frames, no release. Plugged back in at t = 130.
    clock.setNow(130.0);
    resetPointerState();
    clock.setNow(130.1);
    penUp();
    // A fresh simulator: the release carries its current number, 1024.
    EXPECT_EQ(take(), (Events{move(50, 850), leftUp(50, 850, 1024), doubleClick(50, 850)}));
}

TEST_F(StrokeTest, ReleasingHeldButtonsLetsGoWhereThePointerIsAndStartsAfresh) {
    penAt(100, 700);
    penAt(104, 698);
    take();
    releaseHeldButtons();
    EXPECT_EQ(take(), (Events{leftUp(104, 202, 1025)}));
    EXPECT_FALSE(pointerState().penWasDown);
    releaseHeldButtons(); // nothing held any more
    penUp();              // the stroke is over: no second release, no double click
    EXPECT_TRUE(take().empty());
    penAt(300, 500);
    EXPECT_EQ(take(), (Events{move(300, 400), leftDown(300, 400, 1026)}));
}

TEST_F(StrokeTest, HoldingStillForAHundredFramesRightClicks) {
    penAt(500, 500);
    penAt(505, 503); // within 15 px of the anchor (500, 400)
    for (int frame = 2; frame <= 99; ++frame) {
        penAt(frame % 2 == 0 ? 510.0f : 505.0f, 503);
    }
    Events events = take();
    ASSERT_EQ(events.size(), 2u + 99u);
    for (std::size_t i = 2; i < events.size(); ++i) {
        ASSERT_EQ(events[i].kind, Kind::LeftDrag);
    }
    EXPECT_EQ(pointerState().dwellCount, 99);

    penAt(507.5f, 503); // the 100th: mean of (505, 510, 505, 507.5) = 506.875
    EXPECT_EQ(take(), (Events{drag(506.875, 397, 0, 0), rightDown(506.875, 397, 1026),
                              rightUp(506.875, 397, 1026)}));
    EXPECT_EQ(pointerState().dwellCount, 0);
    EXPECT_EQ(pointerState().anchor, (PointF{506.875f, 397.0f}));

    for (int frame = 1; frame <= 100; ++frame) {
        penAt(507.5f, 503);
    }
    Events second = take();
    ASSERT_EQ(second.size(), 102u);
    EXPECT_EQ(second[100], rightDown(507.5, 397, 1027));
    EXPECT_EQ(second[101], rightUp(507.5, 397, 1027));

    clock.setNow(150.0);
    penUp();
    // The release carries the current number, the right click's.
    EXPECT_EQ(take(), (Events{move(507.5, 397), leftUp(507.5, 397, 1027)}));
}

TEST_F(StrokeTest, MovingBeyondTheDwellRadiusRestartsTheCount) {
    penAt(500, 500);
    for (int i = 0; i < 60; ++i) {
        penAt(500, 500);
    }
    penAt(600, 500); // mean (4 samples) 525: 25 px away
    EXPECT_EQ(pointerState().dwellCount, 0);
    EXPECT_EQ(pointerState().anchor, (PointF{525.0f, 400.0f}));
    for (int i = 0; i < 99; ++i) {
        penAt(525, 500);
    }
    for (const Event& event : take()) {
        EXPECT_NE(event.kind, Kind::RightDown);
    }
}

struct JumpCase {
    float x, y; // the continuing frame's mapped position after a touch at (100, 700)
    bool jump;
};
class Jumps : public StrokeTest, public ::testing::WithParamInterface<JumpCase> {};

TEST_P(Jumps, BeyondThresholdReleaseAtAnchorAndPressAtTheNewPosition) {
    penAt(100, 700); // anchor (100, 200)
    take();
    const JumpCase c = GetParam();
    penAt(c.x, c.y);
    const double px = c.x, py = 900.0 - c.y;
    const auto dx = static_cast<std::int64_t>(px - 100.0);
    const auto dy = static_cast<std::int64_t>(py - 200.0);
    if (c.jump) {
        EXPECT_EQ(take(), (Events{move(100, 200), leftUp(100, 200, 1025), move(px, py),
                                  leftDown(px, py, 1026), drag(px, py, 0, 0)}));
    } else {
        EXPECT_EQ(take(), (Events{drag(px, py, dx, dy)}));
    }
    EXPECT_EQ(pointerState().anchor, (PointF{c.x, 900.0f - c.y}));
}

INSTANTIATE_TEST_SUITE_P(Thresholds, Jumps,
                         ::testing::Values(JumpCase{600, 700, true},     // 500 right
                                           JumpCase{599.9f, 700, false}, // 499.9 truncates
                                           JumpCase{599, 700, false},    // 499
                                           JumpCase{-400, 700, true},    // 500 left
                                           JumpCase{100, 450, true},     // 250 down
                                           JumpCase{100, 451, false},    // 249
                                           JumpCase{100, 949, false},    // 249 up
                                           JumpCase{100, 950, true}));   // 250 up

TEST_F(StrokeTest, AfterAJumpTheNextPositionIsTheNewMappedPositionAlone) {
    penAt(100, 700);
    penAt(104, 700);
    penAt(1200, 700); // mean (104 + 1200) / 2 = 652: a jump
    take();
    penAt(1000, 700); // alone: 1000; averaged with 1200 it would be 1100
    EXPECT_EQ(take(), (Events{drag(1000, 200, 348, 0)}));
}

TEST_F(StrokeTest, TheAdaptiveSmoothingStartsAfreshWhereTheAverageDoes) {
    JUXPrompt::getPrompt().setSmoothingMode(SmoothingMode::Adaptive);
    penAt(100, 700);
    penAt(104, 700); // the first continuing frame passes as it is
    EXPECT_EQ(take().back(), drag(104, 200, 4, 0));
    penAt(140, 700); // smoothed: short of the pen
    const double smoothedX = take().back().position.x;
    EXPECT_GT(smoothedX, 104.0);
    EXPECT_LT(smoothedX, 140.0);

    penAt(1400, 700); // far enough to jump, smoothed or not
    const Events jump = take();
    ASSERT_EQ(jump.size(), 5u);
    EXPECT_EQ(jump[1].kind, Kind::LeftUp);
    penAt(1000, 700); // after the jump: the new position alone
    EXPECT_EQ(take().back().position.x, 1000.0);

    penUp();
    penAt(0, 0);
    penAt(30, 0); // after a lift and a touch: alone again
    EXPECT_EQ(take().back().position.x, 30.0);
}

struct EdgeCase {
    float x;
    const char* side; // nullptr: no announcement
};
class EdgeTouches : public StrokeTest, public ::testing::WithParamInterface<EdgeCase> {};

TEST_P(EdgeTouches, TouchesBeyondTheSidesAreAnnouncedAndStillPress) {
    penAt(GetParam().x, 450);
    EXPECT_EQ(take(), (Events{move(GetParam().x, 450), leftDown(GetParam().x, 450, 1025)}));
    if (GetParam().side == nullptr) {
        EXPECT_TRUE(announcements.posts.empty());
        return;
    }
    ASSERT_EQ(announcements.posts.size(), 1u);
    const auto& post = announcements.posts[0];
    EXPECT_EQ(post.name, "MoveMenu");
    EXPECT_EQ(post.object, "com.jux.command");
    ASSERT_EQ(post.userInfo.size(), 1u);
    EXPECT_EQ(post.userInfo[0].first, "Localation");
    EXPECT_EQ(std::get<std::string>(post.userInfo[0].second), GetParam().side);
}

INSTANTIATE_TEST_SUITE_P(Sides, EdgeTouches,
                         ::testing::Values(EdgeCase{1600.5f, "right"}, EdgeCase{1601, "right"},
                                           EdgeCase{-0.5f, "left"}, EdgeCase{-76, "left"},
                                           EdgeCase{0, nullptr}, EdgeCase{1600, nullptr},
                                           EdgeCase{800, nullptr}));

TEST_F(StrokeTest, OnlyTouchesAreAnnounced) {
    penAt(800, 450);
    penAt(1700, 450); // a continuing frame beyond the edge
    EXPECT_TRUE(announcements.posts.empty());
}

TEST_F(StrokeTest, WithSmoothingFourTheFirstFramesAverageOneToFourPositions) {
    penAt(0, 0); // touch; not a sample
    for (float x : {10.0f, 20.0f, 30.0f, 40.0f, 50.0f, 60.0f}) {
        penAt(x, 100);
    }
    const Events events = take();
    ASSERT_EQ(events.size(), 8u);
    const double expected[] = {10, 15, 20, 25, 35, 45};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(events[2 + i].position.x, expected[i]) << "frame " << i;
    }
}

TEST_F(StrokeTest, ALiftRestartsTheSmoothing) {
    penAt(0, 0);
    penAt(10, 0);
    penAt(20, 0);
    penUp();
    penAt(0, 0);
    penAt(30, 0);
    EXPECT_EQ(take().back().position.x, 30.0);
}

class SmoothPointTest : public ::testing::Test {
protected:
    void SetUp() override { resetPenPipeline(); }
    void TearDown() override { resetPenPipeline(); }
};

struct WindowCase {
    std::int32_t n;
    float expectedX; // after samples 1, 2, ..., 60
};
class SmoothingWindows : public SmoothPointTest,
                         public ::testing::WithParamInterface<WindowCase> {};

TEST_P(SmoothingWindows, AverageOverTheWindow) {
    PointF last;
    for (int i = 1; i <= 60; ++i) {
        last = smoothPoint(static_cast<float>(i), -static_cast<float>(i), GetParam().n);
    }
    EXPECT_FLOAT_EQ(last.x, GetParam().expectedX);
    EXPECT_FLOAT_EQ(last.y, -GetParam().expectedX);
    EXPECT_EQ(pointerState().sampleCount, 60);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, SmoothingWindows,
    ::testing::Values(WindowCase{1, 60}, WindowCase{4, 58.5f}, WindowCase{50, 35.5f},
                      // Below 1 counts as 1.
                      WindowCase{0, 60}, WindowCase{-3, 60},
                      WindowCase{std::numeric_limits<std::int32_t>::min(), 60},
                      // Above 50 revisits slots: slots 0..9 hold 51..60 and count twice:
                      // (sum 11..60 + sum 51..60) / 60 = (1775 + 555) / 60.
                      WindowCase{60, 2330.0f / 60.0f},
                      // A window larger than the run averages the whole run, revisits included.
                      WindowCase{std::numeric_limits<std::int32_t>::max(), 2330.0f / 60.0f}));

TEST_F(SmoothPointTest, TheCountWrapsAfter65534AndTheEmptyWindowGivesTheSample) {
    pointerState().sampleCount = 65533;
    smoothPoint(1, 1, 4); // slot 65533 % 50 = 33, count 65534
    EXPECT_EQ(pointerState().sampleCount, 65534);
    const PointF wrapped = smoothPoint(7, 8, 4); // slot 34, count wraps to 0
    EXPECT_EQ(pointerState().sampleCount, 0);
    EXPECT_EQ(wrapped, (PointF{7, 8}));
    EXPECT_EQ(pointerState().sampleRing[34], (PointF{7, 8}));
    const PointF next = smoothPoint(9, 10, 4); // slot 0, window of one
    EXPECT_EQ(next, (PointF{9, 10}));
    EXPECT_EQ(pointerState().sampleCount, 1);
}

// No usable screen position: the frame is skipped like a dropped one.
TEST_F(StrokeTest, WithoutAUsableMappingLightPointsAreIgnored) {
    penToScreenMapping() = PerspectiveTransform{}; // never set up
    penAt(100, 100);
    penUp();
    const Quad degenerate{0, 0, 1, 1, 2, 2, 3, 3}; // collinear corners
    penToScreenMapping().setPerspective(degenerate, Quad{0, 0, 1, 0, 1, 1, 0, 1});
    ASSERT_FALSE(penToScreenMapping().isUsable());
    penAt(100, 100);
    EXPECT_TRUE(take().empty());
    EXPECT_FALSE(pointerState().penWasDown);
}

TEST_F(StrokeTest, PositionsOffAnyDisplayAreSkippedWithoutChangingThePenState) {
    penAt(100, 700);
    penAt(104, 700);
    take();
    const Quad unit{0, 0, 1, 0, 1, 1, 0, 1};
    // Far out (2e6 px) and beyond float range (3e38 * 2 overflows to infinity).
    for (float scale : {2.0e4f, 3.0e38f}) {
        penToScreenMapping().setPerspective(unit, Quad{0, 0, scale, 0, scale, scale, 0, scale});
        penAt(100, 100);
        EXPECT_TRUE(take().empty());
        EXPECT_TRUE(pointerState().penWasDown);
        EXPECT_EQ(pointerState().sampleCount, 1);
    }
    useIdentityMapping();
    clock.setNow(150.0);
    penUp(); // still a lift at the anchor
    EXPECT_EQ(take(), (Events{move(100, 200), leftUp(100, 200, 1025)}));
}

TEST_F(StrokeTest, BeforeAnyUnitOpenedNothingIsPostedButTheStateMoves) {
    pointerState() = PointerState{};
    penAt(100, 700);
    EXPECT_TRUE(take().empty());
    EXPECT_TRUE(pointerState().penWasDown);
    EXPECT_EQ(pointerState().anchor, (PointF{100, 200}));
}

} // namespace
