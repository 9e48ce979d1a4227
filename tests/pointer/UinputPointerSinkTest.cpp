// Runs under umockdev-wrapper: /dev/uinput is emulated by an ioctl/write handler that records
// how the device is set up and which input events are written to it.
#include "pointer/UinputPointerSink.h"

#include "pointer/PointerBackends.h"
#include "support/UinputEmulator.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <linux/input.h>
#include <ostream>
#include <string>
#include <vector>

namespace eboard {
namespace {

using testing::Event;
using testing::UinputEmulator;
using testing::UinputRecord;

Event axis(std::uint16_t code, std::int32_t value) {
    return {EV_ABS, code, value};
}
Event key(std::uint16_t code, std::int32_t value) {
    return {EV_KEY, code, value};
}
constexpr Event report{EV_SYN, SYN_REPORT, 0};

constexpr ScreenGeometry fullHd{1920, 1080};

class UinputPointerSinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!UinputEmulator::instance().mocked()) {
            GTEST_FAIL() << "run this test under umockdev-wrapper; it must not touch the real "
                            "/dev/uinput";
        }
        UinputEmulator::instance().clear();
    }

    std::unique_ptr<UinputPointerSink> createSink(ScreenGeometry screen = fullHd) {
        std::string error;
        auto sink = UinputPointerSink::create(screen, &error);
        EXPECT_NE(sink, nullptr) << error;
        UinputEmulator::instance().clear();
        return sink;
    }

    static std::vector<Event> writtenEvents() { return UinputEmulator::instance().take().events; }
};

TEST_F(UinputPointerSinkTest, SetsUpAnAbsoluteMouseSpanningTheDisplay) {
    std::string error;
    auto sink = UinputPointerSink::create(fullHd, &error);
    ASSERT_NE(sink, nullptr) << error;
    UinputRecord record = UinputEmulator::instance().take();

    EXPECT_TRUE(record.versionAsked);
    EXPECT_TRUE(record.created);
    EXPECT_FALSE(record.destroyed);
    EXPECT_EQ(record.name, "eboard pen pointer");
    EXPECT_EQ(record.id.bustype, BUS_VIRTUAL);
    EXPECT_TRUE(record.evBits.count(EV_KEY));
    EXPECT_TRUE(record.evBits.count(EV_ABS));
    EXPECT_FALSE(record.evBits.count(EV_REL));
    EXPECT_EQ(record.keyBits, (std::set<unsigned long>{BTN_LEFT, BTN_RIGHT}));
    EXPECT_EQ(record.absBits, (std::set<unsigned long>{ABS_X, ABS_Y}));
    // No pen, touch or direct-input property: compositors must see a plain absolute mouse.
    EXPECT_TRUE(record.propBits.empty());
    ASSERT_EQ(record.axes.size(), 2u);
    for (const auto& axisSetup : record.axes) {
        const std::int32_t extent = axisSetup.code == ABS_X ? 1920 : 1080;
        EXPECT_EQ(axisSetup.absinfo.minimum, 0) << "axis " << axisSetup.code;
        EXPECT_EQ(axisSetup.absinfo.maximum, extent - 1) << "axis " << axisSetup.code;
    }
    EXPECT_TRUE(record.events.empty());

    sink.reset();
    EXPECT_TRUE(UinputEmulator::instance().take().destroyed);
}

TEST_F(UinputPointerSinkTest, AxesFollowTheGivenScreenSize) {
    auto sink = UinputPointerSink::create({1280, 800}, nullptr);
    ASSERT_NE(sink, nullptr);
    const UinputRecord record = UinputEmulator::instance().take();
    ASSERT_EQ(record.axes.size(), 2u);
    for (const auto& axisSetup : record.axes) {
        EXPECT_EQ(axisSetup.absinfo.maximum, axisSetup.code == ABS_X ? 1279 : 799);
    }
}

TEST_F(UinputPointerSinkTest, TapIsMovePressReleaseEachEndedByAReport) {
    auto sink = createSink();
    ASSERT_NE(sink, nullptr);
    const PointD at{640.0, 450.0};
    sink->moveTo(at);
    sink->leftDown(at, 1025);
    sink->leftUp(at, 1025);
    const std::vector<Event> expected{
        axis(ABS_X, 640), axis(ABS_Y, 450), report, axis(ABS_X, 640),
        axis(ABS_Y, 450), key(BTN_LEFT, 1), report, axis(ABS_X, 640),
        axis(ABS_Y, 450), key(BTN_LEFT, 0), report,
    };
    EXPECT_EQ(writtenEvents(), expected);
}

TEST_F(UinputPointerSinkTest, DragMovesWithTheButtonHeld) {
    auto sink = createSink();
    ASSERT_NE(sink, nullptr);
    sink->leftDown({100.0, 100.0}, 1025);
    sink->leftDrag({103.9, 98.2}, 3, -1);
    sink->leftDrag({250.0, 300.0}, 146, 201);
    sink->leftUp({250.0, 300.0}, 1025);
    const std::vector<Event> expected{
        axis(ABS_X, 100), axis(ABS_Y, 100), key(BTN_LEFT, 1), report,           axis(ABS_X, 103),
        axis(ABS_Y, 98),  report,           axis(ABS_X, 250), axis(ABS_Y, 300), report,
        axis(ABS_X, 250), axis(ABS_Y, 300), key(BTN_LEFT, 0), report,
    };
    EXPECT_EQ(writtenEvents(), expected);
}

TEST_F(UinputPointerSinkTest, DoubleClickIsTwoPressReleasePairs) {
    auto sink = createSink();
    ASSERT_NE(sink, nullptr);
    sink->leftDoubleClick({10.0, 20.0});
    const std::vector<Event> expected{
        axis(ABS_X, 10), axis(ABS_Y, 20),  key(BTN_LEFT, 1), report,           key(BTN_LEFT, 0),
        report,          key(BTN_LEFT, 1), report,           key(BTN_LEFT, 0), report,
    };
    EXPECT_EQ(writtenEvents(), expected);
}

TEST_F(UinputPointerSinkTest, RightClickUsesTheRightButton) {
    auto sink = createSink();
    ASSERT_NE(sink, nullptr);
    sink->rightDown({5.0, 6.0}, 1026);
    sink->rightUp({5.0, 6.0}, 1026);
    const std::vector<Event> expected{
        axis(ABS_X, 5), axis(ABS_Y, 6), key(BTN_RIGHT, 1), report,
        axis(ABS_X, 5), axis(ABS_Y, 6), key(BTN_RIGHT, 0), report,
    };
    EXPECT_EQ(writtenEvents(), expected);
}

struct ClampCase {
    PointD position;
    std::int32_t x;
    std::int32_t y;
};

TEST_F(UinputPointerSinkTest, PositionsAreClampedToTheAxes) {
    auto sink = createSink();
    ASSERT_NE(sink, nullptr);
    const ClampCase cases[] = {
        {{-5.0, 2000.5}, 0, 1079},
        {{1919.99, 0.4}, 1919, 0},
        {{1e12, -1e12}, 1919, 0},
        {{0.999, 1079.0}, 0, 1079},
    };
    for (const auto& c : cases) {
        sink->moveTo(c.position);
        const std::vector<Event> expected{axis(ABS_X, c.x), axis(ABS_Y, c.y), report};
        EXPECT_EQ(writtenEvents(), expected) << c.position.x << ", " << c.position.y;
    }
}

TEST_F(UinputPointerSinkTest, NonFinitePositionLeavesTheCursorButKeepsTheButton) {
    auto sink = createSink();
    ASSERT_NE(sink, nullptr);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    sink->leftDown({nan, 10.0}, 1025);
    sink->leftUp({10.0, std::numeric_limits<double>::infinity()}, 1025);
    const std::vector<Event> expected{key(BTN_LEFT, 1), report, key(BTN_LEFT, 0), report};
    EXPECT_EQ(writtenEvents(), expected);
}

TEST_F(UinputPointerSinkTest, RefusesAnEmptyScreen) {
    std::string error;
    EXPECT_EQ(UinputPointerSink::create({0, 1080}, &error), nullptr);
    EXPECT_NE(error.find("0x1080"), std::string::npos) << error;
    EXPECT_FALSE(UinputEmulator::instance().take().created);
}

TEST_F(UinputPointerSinkTest, MissingDeviceNodeIsReported) {
    std::string error;
    EXPECT_EQ(UinputPointerSink::create(fullHd, &error, "/nonexistent/uinput"), nullptr);
    EXPECT_NE(error.find("/nonexistent/uinput"), std::string::npos) << error;
}

// A laptop at scale 2 (2880x1800 device pixels) with the board projector on its right at
// scale 1: the axes span both, and the board's points land on the projector's part.
std::vector<layout::OutputGeometry> laptopAndProjector() {
    return {{"eDP-1", {0, 0, 1440, 900}, 2.0, true}, {"HDMI-1", {2880, 0, 1920, 1080}, 1.0}};
}

TEST_F(UinputPointerSinkTest, TwoOutputDesktopAxesSpanTheBoundingBox) {
    const auto outputs = laptopAndProjector();
    std::string error;
    auto sink = UinputPointerSink::createOnDesktop(layout::boardGeometry(outputs, 1), &error);
    ASSERT_NE(sink, nullptr) << error;
    const UinputRecord record = UinputEmulator::instance().take();
    ASSERT_EQ(record.axes.size(), 2u);
    for (const auto& axisSetup : record.axes) {
        EXPECT_EQ(axisSetup.absinfo.minimum, 0);
        EXPECT_EQ(axisSetup.absinfo.maximum, axisSetup.code == ABS_X ? 4799 : 1799);
    }

    sink->leftDown({0.0, 0.0}, 1025);
    sink->leftUp({1919.5, 1079.5}, 1025);
    sink->moveTo({-50.0, 5000.0}); // off the board: stays on the projector's edge
    const std::vector<Event> expected{
        axis(ABS_X, 2880), axis(ABS_Y, 0),    key(BTN_LEFT, 1), report,
        axis(ABS_X, 4799), axis(ABS_Y, 1079), key(BTN_LEFT, 0), report,
        axis(ABS_X, 2880), axis(ABS_Y, 1079), report,
    };
    EXPECT_EQ(writtenEvents(), expected);
}

TEST_F(UinputPointerSinkTest, BoardOnTheHiDpiLaptopScalesByItsRatio) {
    const auto outputs = laptopAndProjector();
    auto sink = UinputPointerSink::createOnDesktop(layout::boardGeometry(outputs, 0), nullptr);
    ASSERT_NE(sink, nullptr);
    UinputEmulator::instance().clear();
    sink->moveTo({75.3, 118.2});
    const std::vector<Event> expected{axis(ABS_X, 150), axis(ABS_Y, 236), report};
    EXPECT_EQ(writtenEvents(), expected);
}

TEST_F(UinputPointerSinkTest, DeviceIsMadeAgainOnlyWhenTheDesktopBoxChanges) {
    auto outputs = laptopAndProjector();
    auto sink = UinputPointerSink::createOnDesktop(layout::boardGeometry(outputs, 1), nullptr);
    ASSERT_NE(sink, nullptr);
    UinputEmulator::instance().clear();

    // The outputs swap places: the box keeps its size, the device stays.
    outputs[1].logical.x = 0;
    outputs[0].logical.x = 1920;
    sink->setBoardGeometry(layout::boardGeometry(outputs, 1));
    UinputRecord record = UinputEmulator::instance().take();
    EXPECT_FALSE(record.destroyed);
    EXPECT_FALSE(record.created);
    sink->moveTo({10.0, 10.0});
    EXPECT_EQ(writtenEvents(), (std::vector<Event>{axis(ABS_X, 10), axis(ABS_Y, 10), report}));

    // The laptop is unplugged: new axes over the projector alone.
    outputs.erase(outputs.begin());
    sink->setBoardGeometry(layout::boardGeometry(outputs, 0));
    record = UinputEmulator::instance().take();
    EXPECT_TRUE(record.destroyed);
    EXPECT_TRUE(record.created);
    ASSERT_EQ(record.axes.size(), 2u);
    for (const auto& axisSetup : record.axes) {
        EXPECT_EQ(axisSetup.absinfo.maximum, axisSetup.code == ABS_X ? 1919 : 1079);
    }
    sink->moveTo({1919.0, 1079.0});
    EXPECT_EQ(writtenEvents(), (std::vector<Event>{axis(ABS_X, 1919), axis(ABS_Y, 1079), report}));
}

TEST_F(UinputPointerSinkTest, AutomaticChoiceTakesAWritableUinput) {
    std::string error;
    PointerEnvironment environment;
    environment.displayName = ":31999"; // never reached
    auto sink = makePointerSink(PointerBackend::Automatic, fullHd, &error, environment);
    ASSERT_NE(sink, nullptr) << error;
    EXPECT_NE(dynamic_cast<UinputPointerSink*>(sink.get()), nullptr);
    EXPECT_TRUE(UinputEmulator::instance().take().created);
}

} // namespace
} // namespace eboard
