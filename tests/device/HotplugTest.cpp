// The device link against an emulated sysfs and hidraw nodes (umockdev).
#include "LinkFixture.h"
#include "device/DeviceLink.h"
#include "device/HID_Communication.h"
#include "device/UdevDeviceFinder.h"
#include "support/Eboardctl.h"
#include "support/MockUnitBed.h"

#include <QSocketNotifier>
#include <algorithm>
#include <memory>
#include <vector>

namespace eboard::testing {
namespace {

constexpr std::size_t kUnitPlusMonitor = 2; // notifiers while a unit is open

class HotplugTest : public LinkFixture {
protected:
    void SetUp() override {
        LinkFixture::SetUp();
        bed = &MockUnitBed::instance();
    }
    void TearDown() override {
        link.reset();
        closeHIDManager(); // also after a failed check in a test of the module functions
        LinkFixture::TearDown();
    }

    void startLink() {
        link = std::make_unique<DeviceLink>(UdevDeviceFinder::create());
        ASSERT_TRUE(link->start(UnitCriteria{}));
    }
    std::size_t notifiers() const {
        return link->notifierOwner().findChildren<QSocketNotifier*>().size();
    }
    void writeFrame(const MockUnit& unit, int x, int y) {
        const FrameBytes frame = rawPointFrame(x, y);
        unit.write(frame);
    }

    MockUnitBed* bed = nullptr;
    std::unique_ptr<DeviceLink> link;
};

TEST_F(HotplugTest, UnitPresentAtStartIsOpenedDuringStart) {
    MockUnit unit;
    bed->plug(unit);
    startLink();
    EXPECT_EQ(connects, 1);
    EXPECT_TRUE(link->isHeld());
    ASSERT_TRUE(link->currentDevice());
    EXPECT_EQ(link->currentDevice()->node, unit.node());
    EXPECT_EQ(notifiers(), kUnitPlusMonitor);
}

TEST_F(HotplugTest, UnitPluggedInLaterConnectsAndItsFramesReachThePointer) {
    startLink();
    MockUnit unit;
    bed->plug(unit);
    ASSERT_TRUE(QTest::qWaitFor([&] { return connects == 1; }));
    writeFrame(unit, 500, 300);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sink.events.empty(); }));
    EXPECT_EQ(sink.events.front().kind, RecordingPointerSink::Kind::Move);
    EXPECT_EQ(sink.events.front().position, (PointD{500, 1080 - 300}));
}

TEST_F(HotplugTest, SecondUnitIsIgnoredAlsoAfterTheFirstIsRemoved) {
    MockUnit first;
    bed->plug(first);
    startLink();
    MockUnit second;
    bed->plug(second);
    QTest::qWait(60);
    EXPECT_EQ(connects, 1);
    EXPECT_EQ(link->currentDevice()->node, first.node());

    first.unplug();
    ASSERT_TRUE(QTest::qWaitFor([&] { return disconnects == 1; }));
    writeFrame(second, 500, 300);
    QTest::qWait(60);
    EXPECT_EQ(connects, 1);
    EXPECT_FALSE(link->isHeld());
    EXPECT_TRUE(sink.events.empty());
    EXPECT_EQ(link->reportsTaken(), 0u);

    second.unplug();
    QTest::qWait(60);
    EXPECT_EQ(disconnects, 1);
}

TEST_F(HotplugTest, RemovalPostsOneDisconnectAndReplugConnectsWithAFreshPointer) {
    MockUnit unit;
    bed->plug(unit);
    startLink();
    writeFrame(unit, 500, 300);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sink.events.empty(); }));

    unit.unplug();
    ASSERT_TRUE(QTest::qWaitFor([&] { return disconnects == 1; }));
    unit.closeNode(); // the read error after the remove event must not count again
    QTest::qWait(60);
    EXPECT_EQ(disconnects, 1);
    EXPECT_EQ(notifiers(), 1u);

    clock.setNow(42.0);
    pointerState().mouse.reset();
    MockUnit again;
    bed->plug(again);
    ASSERT_TRUE(QTest::qWaitFor([&] { return connects == 2; }));
    EXPECT_TRUE(pointerState().mouse.has_value());
    EXPECT_EQ(pointerState().lastReleaseTime, 42.0);
    EXPECT_EQ(disconnects, 1);
}

TEST_F(HotplugTest, RemovalOfAnotherDeviceChangesNothing) {
    MockUnit unit;
    bed->plug(unit);
    MockUnit keyboard;
    bed->plug(keyboard, UnitTraits{0x046D, 0xC31C, unitDescriptor()});
    startLink();
    keyboard.unplug();
    QTest::qWait(60);
    EXPECT_EQ(disconnects, 0);
    EXPECT_TRUE(link->isHeld());
    writeFrame(unit, 500, 300);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !sink.events.empty(); }));
}

TEST_F(HotplugTest, NodeClosingUnderTheReaderCountsAsRemoval) {
    MockUnit unit;
    bed->plug(unit);
    startLink();
    unit.closeNode();
    ASSERT_TRUE(QTest::qWaitFor([&] { return disconnects == 1; }));
    EXPECT_FALSE(link->isHeld());
    EXPECT_EQ(notifiers(), 1u);
    unit.unplug(); // the later remove event is not a second disconnection
    QTest::qWait(60);
    EXPECT_EQ(disconnects, 1);
}

TEST_F(HotplugTest, OnlyTwentyByteReportsReachTheFrameCheck) {
    MockUnit unit;
    bed->plug(unit);
    startLink();
    const FrameBytes frame = rawPointFrame(500, 300);
    std::vector<std::uint8_t> shorter(frame.begin(), frame.end() - 1);
    std::vector<std::uint8_t> longer(frame.begin(), frame.end());
    longer.push_back(0);

    unit.write(shorter);
    ASSERT_TRUE(QTest::qWaitFor([&] { return link->reportsDropped() == 1; }));
    unit.write(longer);
    ASSERT_TRUE(QTest::qWaitFor([&] { return link->reportsDropped() == 2; }));
    EXPECT_EQ(link->reportsTaken(), 0u);
    EXPECT_TRUE(sink.events.empty());

    unit.write(frame);
    ASSERT_TRUE(QTest::qWaitFor([&] { return link->reportsTaken() == 1; }));
    EXPECT_FALSE(sink.events.empty());
}

TEST_F(HotplugTest, PreviewModeFramesReachTheFrameCheck) {
    MockUnit unit;
    bed->plug(unit);
    startLink();
    int previews = 0;
    NotificationCenter::defaultCenter().addObserver(this, "UpdatePreView", [&] { ++previews; });
    JUXPrompt::getPrompt().setCurrentStatus(JUXPrompt::kPreviewMode);
    writeFrame(unit, 500, 300);
    EXPECT_TRUE(QTest::qWaitFor([&] { return previews == 1; }));
    EXPECT_TRUE(sink.events.empty());
}

struct MismatchCase {
    const char* what;
    UnitTraits traits;
};

class UnitMismatchTest : public HotplugTest, public ::testing::WithParamInterface<MismatchCase> {};

TEST_P(UnitMismatchTest, NeverConnects) {
    MockUnit present;
    bed->plug(present, GetParam().traits);
    startLink();
    MockUnit pluggedLater;
    bed->plug(pluggedLater, GetParam().traits);
    QTest::qWait(60);
    EXPECT_EQ(connects, 0);
    EXPECT_FALSE(link->isHeld());
    EXPECT_EQ(notifiers(), 1u);
}

std::vector<std::uint8_t> truncated(std::vector<std::uint8_t> bytes) {
    bytes.resize(bytes.size() - 3);
    return bytes;
}

std::vector<std::uint8_t> withReportId(std::uint8_t count) {
    std::vector<std::uint8_t> bytes = unitDescriptor(count);
    bytes.insert(bytes.begin() + 6, {0x85, 0x01}); // Report ID (1) inside the collection
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Units, UnitMismatchTest,
    ::testing::Values(
        MismatchCase{"OtherVendor", {0x2A3D, 0x1201, unitDescriptor()}},
        MismatchCase{"OtherProduct", {0x2A3C, 0x1202, unitDescriptor()}},
        MismatchCase{"GenericDesktopPage", {0x2A3C, 0x1201, unitDescriptor(20, 0x01)}},
        MismatchCase{"SixtyFourByteReport", {0x2A3C, 0x1201, unitDescriptor(64)}},
        MismatchCase{"NineteenByteReport", {0x2A3C, 0x1201, unitDescriptor(19)}},
        MismatchCase{"ReportIdMakesTwentyOne", {0x2A3C, 0x1201, withReportId(20)}},
        MismatchCase{"MalformedDescriptor", {0x2A3C, 0x1201, truncated(unitDescriptor())}},
        MismatchCase{"EmptyDescriptor", {0x2A3C, 0x1201, {}}}),
    [](const auto& testCase) { return std::string(testCase.param.what); });

TEST_F(HotplugTest, ReportIdCountsTowardsTheReportSize) {
    MockUnit unit;
    bed->plug(unit, UnitTraits{0x2A3C, 0x1201, withReportId(19)});
    startLink();
    EXPECT_EQ(connects, 1);
}

TEST_F(HotplugTest, HundredPlugCyclesLeaveNoDescriptorOrNotifierBehind) {
    startLink();
    // The first cycle also lets Qt and GLib create their lazily made descriptors.
    int baseline = 0;
    for (int cycle = 1; cycle <= 101; ++cycle) {
        MockUnit unit;
        bed->plug(unit);
        ASSERT_TRUE(QTest::qWaitFor([&] { return connects == cycle; })) << "cycle " << cycle;
        writeFrame(unit, 500, 300);
        ASSERT_TRUE(QTest::qWaitFor([&] { return link->reportsTaken() == std::uint64_t(cycle); }));
        if (cycle % 2 == 0) {
            unit.closeNode(); // read error first, remove event second
        }
        unit.unplug();
        ASSERT_TRUE(QTest::qWaitFor([&] { return disconnects == cycle; })) << "cycle " << cycle;
        unit.closeNode();
        if (cycle == 1) {
            QTest::qWait(60);
            baseline = openDescriptorCount();
        }
    }
    EXPECT_EQ(connects, 101);
    EXPECT_EQ(disconnects, 101);
    // No growth; the count may drop when a descriptor the test environment held closes.
    // The emulation closes its side of a node on its own thread, so give it a moment.
    EXPECT_TRUE(QTest::qWaitFor([&] { return openDescriptorCount() <= baseline; }, 2000))
        << openDescriptorCount() << " descriptors open, " << baseline << " before";
    EXPECT_EQ(notifiers(), 1u);
}

TEST_F(HotplugTest, ModuleFunctionsConnectAndCloseWithoutAnnouncing) {
    int baseline = 0;
    for (int round = 1; round <= 2; ++round) {
        if (round == 2) {
            baseline = openDescriptorCount();
        }
        MockUnit unit;
        bed->plug(unit);
        ASSERT_TRUE(setupHIDManager(0x2A3C, 0x1201, 0x0C));
        EXPECT_EQ(connects, round);
        const std::size_t before = sink.events.size();
        unit.write(round == 1 ? rawPointFrame(500, 300) : noPointFrame()); // touch, then lift
        ASSERT_TRUE(QTest::qWaitFor([&] { return sink.events.size() > before; }));
        closeHIDManager();
        EXPECT_EQ(disconnects, 0);
        unit.closeNode();
        closeHIDManager(); // harmless twice
    }
    // No growth; the count may drop when a descriptor the test environment held closes.
    // The emulation closes its side of a node on its own thread, so give it a moment.
    EXPECT_TRUE(QTest::qWaitFor([&] { return openDescriptorCount() <= baseline; }, 2000))
        << openDescriptorCount() << " descriptors open, " << baseline << " before";
}

TEST_F(HotplugTest, EboardctlDevicesListsUnitsAndWhyTheyAreUnusable) {
    MockUnit unit;
    bed->plug(unit);
    MockUnit wrongSize;
    bed->plug(wrongSize, UnitTraits{0x2A3C, 0x1201, unitDescriptor(64)});
    MockUnit mouse;
    bed->plug(mouse, UnitTraits{0x046D, 0xC077, unitDescriptor(4, 0x01)});
    // The child inherits the preload and the testbed from this process.
    const CommandResult devices = eboardctl("devices");
    EXPECT_EQ(devices.status, 0);
    const std::string& output = devices.out;
    EXPECT_NE(output.find(unit.node() + " 2a3c:1201 usage-page=0x0c input-report=20 ok\n"),
              std::string::npos)
        << output;
    EXPECT_NE(output.find(wrongSize.node() +
                          " 2a3c:1201 usage-page=0x0c input-report=64 unusable: wrong report "
                          "size: input report of 64 bytes, not 20\n"),
              std::string::npos)
        << output;
    EXPECT_EQ(output.find(mouse.node()), std::string::npos) << output;
}

// Every report of a long run reaches the sink, in order, none lost between notifier
// wake-ups (the time each takes is measured by bench/HotplugLatencyBench).
TEST_F(HotplugTest, EveryReportOfALongRunReachesThePointerSink) {
    MockUnit unit;
    bed->plug(unit);
    startLink();
    constexpr int kReports = 1000;
    for (int i = 0; i < kReports; ++i) {
        const std::size_t before = sink.events.size();
        // Alternating touch and lift: every frame gives the pointer at least one event.
        unit.write(i % 2 == 0 ? rawPointFrame(500, 300) : noPointFrame());
        ASSERT_TRUE(QTest::qWaitFor([&] { return sink.events.size() > before; })) << "report " << i;
        const auto expected =
            i % 2 == 0 ? RecordingPointerSink::Kind::LeftDown : RecordingPointerSink::Kind::LeftUp;
        EXPECT_TRUE(std::any_of(sink.events.begin() + static_cast<std::ptrdiff_t>(before),
                                sink.events.end(),
                                [&](const auto& event) { return event.kind == expected; }))
            << "report " << i;
    }
    EXPECT_EQ(link->reportsTaken(), std::uint64_t(kReports));
}

} // namespace
} // namespace eboard::testing
