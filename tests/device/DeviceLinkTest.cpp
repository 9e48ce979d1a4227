// The device link's rules with a scripted finder, and reading from FIFOs and files as
// `--device PATH` does. No udev involved.
#include "device/DeviceLink.h"

#include "LinkFixture.h"
#include "device/HID_Communication.h"
#include "support/TempDir.h"

#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace eboard::testing {
namespace {

const std::vector<std::uint8_t> kUnitDescriptor = {0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x15,
                                                   0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x95,
                                                   0x14, 0x09, 0x01, 0x81, 0x02, 0xC0};

HidDeviceInfo unitAt(const std::string& node) {
    HidDeviceInfo info;
    info.node = node;
    info.syspath = "/sys/devices/mock/" + node.substr(node.rfind('/') + 1);
    info.id = HidId{3, 0x2A3C, 0x1201};
    info.reportDescriptor = kUnitDescriptor;
    return info;
}

// Reports what the test tells it to; keeps the handlers for later hotplug.
class ScriptedFinder final : public DeviceFinder {
public:
    explicit ScriptedFinder(std::vector<HidDeviceInfo> present)
        : present_(std::move(present)) {}
    std::vector<HidDeviceInfo> presentDevices() override { return present_; }
    bool watch(AddedHandler added, RemovedHandler removed, QObject*) override {
        *added_ = std::move(added);
        *removed_ = std::move(removed);
        return true;
    }

    std::vector<HidDeviceInfo> present_;
    std::shared_ptr<AddedHandler> added_ = std::make_shared<AddedHandler>();
    std::shared_ptr<RemovedHandler> removed_ = std::make_shared<RemovedHandler>();
};

class DeviceLinkTest : public LinkFixture {
protected:
    void TearDown() override {
        link.reset();
        for (const int fd : writers) {
            ::close(fd);
        }
        LinkFixture::TearDown();
    }

    // A node the opener answers with errors[node] or, without one, a fresh pipe.
    int open(const std::string& node) {
        if (const auto it = errors.find(node); it != errors.end()) {
            return -it->second;
        }
        int ends[2];
        if (::pipe2(ends, O_NONBLOCK | O_CLOEXEC) != 0) {
            return -errno;
        }
        writers.push_back(ends[1]);
        return ends[0];
    }

    void startWith(std::vector<HidDeviceInfo> present) {
        auto finder = std::make_unique<ScriptedFinder>(std::move(present));
        added = finder->added_;
        removed = finder->removed_;
        link = std::make_unique<DeviceLink>(std::move(finder),
                                            [this](const std::string& n) { return open(n); });
        ASSERT_TRUE(link->start(UnitCriteria{}));
    }

    std::map<std::string, int> errors;
    std::vector<int> writers;
    std::shared_ptr<DeviceFinder::AddedHandler> added;
    std::shared_ptr<DeviceFinder::RemovedHandler> removed;
    std::unique_ptr<DeviceLink> link;
};

TEST_F(DeviceLinkTest, UnitThatCannotBeOpenedLogsOneLineWithTheFix) {
    errors["/dev/hidraw7"] = EACCES;
    ::testing::internal::CaptureStderr();
    startWith({unitAt("/dev/hidraw7")});
    const std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(connects, 0);
    EXPECT_NE(log.find("/dev/hidraw7"), std::string::npos) << log;
    EXPECT_NE(log.find("Permission denied"), std::string::npos) << log;
    EXPECT_NE(log.find("60-eboard-hn42.rules"), std::string::npos) << log;
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1) << log;
}

TEST_F(DeviceLinkTest, OtherOpenErrorsSayWhyWithoutTheRulesHint) {
    errors["/dev/hidraw7"] = EBUSY;
    ::testing::internal::CaptureStderr();
    startWith({unitAt("/dev/hidraw7")});
    const std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(log.find("busy"), std::string::npos) << log;
    EXPECT_EQ(log.find("rules"), std::string::npos) << log;
}

// Only a refusal is the user's to fix, so only a refusal reaches the desktop user; each
// refused open is reported (the app decides how often to show it).
TEST_F(DeviceLinkTest, ARefusedNodeIsReportedWithItsPath) {
    struct Case {
        int error;
        int reports;
    };
    const Case cases[] = {{EACCES, 2}, {EPERM, 2}, {EBUSY, 0}, {ENOENT, 0}, {EIO, 0}};
    for (const Case& c : cases) {
        errors["/dev/hidraw7"] = c.error;
        auto finder = std::make_unique<ScriptedFinder>(std::vector{unitAt("/dev/hidraw7")});
        const auto replug = finder->added_;
        link = std::make_unique<DeviceLink>(std::move(finder),
                                            [this](const std::string& n) { return open(n); });
        std::vector<ProblemReport> reports;
        link->setProblemReporter([&](const ProblemReport& r) { reports.push_back(r); });
        ::testing::internal::CaptureStderr();
        ASSERT_TRUE(link->start(UnitCriteria{}));
        (*replug)(unitAt("/dev/hidraw7"));
        ::testing::internal::GetCapturedStderr();
        ASSERT_EQ(static_cast<int>(reports.size()), c.reports) << std::strerror(c.error);
        for (const ProblemReport& report : reports) {
            EXPECT_EQ(report.problem, Problem::UnitNotReadable);
            EXPECT_EQ(report.detail, "/dev/hidraw7");
        }
    }
}

TEST_F(DeviceLinkTest, UnitThatFailedToOpenIsNotAnnouncedAsGoneAndLeavesRoomForAnother) {
    errors["/dev/hidraw7"] = EACCES;
    ::testing::internal::CaptureStderr();
    startWith({unitAt("/dev/hidraw7")});
    ::testing::internal::GetCapturedStderr();
    (*removed)(unitAt("/dev/hidraw7").syspath);
    EXPECT_EQ(disconnects, 0);
    (*added)(unitAt("/dev/hidraw8"));
    EXPECT_EQ(connects, 1);
    EXPECT_EQ(link->currentDevice()->node, "/dev/hidraw8");
}

TEST_F(DeviceLinkTest, RemoveEventAndReadErrorTogetherDisconnectOnce) {
    startWith({unitAt("/dev/hidraw1")});
    ASSERT_EQ(connects, 1);
    ::close(writers.back()); // the reader will see end of file
    writers.pop_back();
    (*removed)(unitAt("/dev/hidraw1").syspath);
    QTest::qWait(60);
    EXPECT_EQ(disconnects, 1);
    EXPECT_EQ(link->notifierOwner().findChildren<QSocketNotifier*>().size(), 0u);
}

TEST_F(DeviceLinkTest, ReportsOfOtherLengthsAreDroppedAndFramesAreChecked) {
    startWith({});
    std::vector<std::uint8_t> report(kUnitReportSize + 1, 0);
    link->inputReportReceived(std::span(report).first(19));
    link->inputReportReceived(report);
    EXPECT_EQ(link->reportsDropped(), 2u);
    const FrameBytes frame = rawPointFrame(500, 300);
    link->inputReportReceived(frame);
    EXPECT_EQ(link->reportsTaken(), 1u);
    EXPECT_EQ(JUXPrompt::getPrompt().LightPointRaw(), (PointD{500, 300}));
}

class DevicePathTest : public LinkFixture {
protected:
    TempDir dir;
};

TEST_F(DevicePathTest, FifoCarriesFramesHoweverTheWriterChunksThem) {
    const std::string fifo = (dir / "unit").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    DeviceLink link(nullptr);
    ASSERT_TRUE(link.startWithPath(fifo));
    QTest::qWait(60);
    EXPECT_EQ(connects, 0) << "a FIFO connects when a writer opens it";
    const int writer = ::open(fifo.c_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(writer, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return connects == 1; }));

    const FrameBytes touch = rawPointFrame(500, 300);
    const FrameBytes lift = noPointFrame();
    ASSERT_EQ(::write(writer, touch.data(), 7), 7);
    QTest::qWait(20);
    EXPECT_EQ(link.reportsTaken(), 0u);
    ASSERT_EQ(::write(writer, touch.data() + 7, 13), 13);
    std::vector<std::uint8_t> two(lift.begin(), lift.end());
    two.insert(two.end(), touch.begin(), touch.end());
    ASSERT_EQ(::write(writer, two.data(), two.size()), static_cast<ssize_t>(two.size()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return link.reportsTaken() == 3; }));
    EXPECT_EQ(link.reportsDropped(), 0u);
    EXPECT_GE(sink.events.size(), 3u); // press, release, press

    ::close(writer);
    ASSERT_TRUE(QTest::qWaitFor([&] { return disconnects == 1; }));
    EXPECT_FALSE(link.isHeld());
    QTest::qWait(60);
    EXPECT_EQ(disconnects, 1);
}

TEST_F(DevicePathTest, PenDownWhenTheWriterGoesIsReleasedWhereThePointerWas) {
    const std::string fifo = (dir / "unit").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    DeviceLink link(nullptr);
    ASSERT_TRUE(link.startWithPath(fifo));
    const int writer = ::open(fifo.c_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(writer, 0);
    for (const FrameBytes& frame : {rawPointFrame(500, 300), rawPointFrame(560, 320)}) {
        ASSERT_EQ(::write(writer, frame.data(), frame.size()), 20);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return link.reportsTaken() == 2; }));
    ASSERT_FALSE(sink.events.empty());
    ASSERT_EQ(sink.events.back().kind, RecordingPointerSink::Kind::LeftDrag);
    const PointD last = sink.events.back().position;

    ::close(writer);
    ASSERT_TRUE(QTest::qWaitFor([&] { return disconnects == 1; }));
    ASSERT_EQ(sink.events.back().kind, RecordingPointerSink::Kind::LeftUp);
    EXPECT_EQ(sink.events.back().position, last);
}

TEST_F(DevicePathTest, FileIsReadToItsEndThenDisconnects) {
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 5; ++i) {
        const FrameBytes frame = i % 2 == 0 ? rawPointFrame(500, 300) : noPointFrame();
        bytes.insert(bytes.end(), frame.begin(), frame.end());
    }
    writeBytes(dir / "reports.bin", bytes);
    const int baseline = openDescriptorCount();
    ASSERT_TRUE(setupHIDManagerForPath(dir / "reports.bin"));
    EXPECT_EQ(connects, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return disconnects == 1; }));
    // Two lifts in the file, and the end of the file lets go of the pen still down.
    EXPECT_EQ(
        std::count_if(sink.events.begin(), sink.events.end(),
                      [](const auto& e) { return e.kind == RecordingPointerSink::Kind::LeftUp; }),
        3);
    closeHIDManager();
    EXPECT_LE(openDescriptorCount(), baseline); // no descriptor left behind
}

TEST_F(DevicePathTest, MissingPathIsSaidOnceAndConnectsWhenItAppears) {
    ::testing::internal::CaptureStderr();
    ASSERT_TRUE(setupHIDManagerForPath(dir / "absent"));
    QTest::qWait(60);
    const std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(connects, 0);
    EXPECT_NE(log.find("No such file or directory; waiting for it to appear"), std::string::npos)
        << log;
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1) << log;

    // Written elsewhere and moved in, as a whole: connect, read, disconnect.
    const FrameBytes touch = rawPointFrame(500, 300);
    for (int round = 1; round <= 2; ++round) {
        writeBytes(dir / "staged", std::vector<std::uint8_t>(touch.begin(), touch.end()));
        std::filesystem::rename(dir / "staged", dir / "absent");
        ASSERT_TRUE(QTest::qWaitFor([&] { return disconnects == round; })) << round;
        EXPECT_EQ(connects, round);
        std::filesystem::remove(dir / "absent");
    }
    closeHIDManager();
}

TEST_F(DevicePathTest, FifoIsFollowedWriterAfterWriter) {
    const std::string fifo = (dir / "unit").string();
    ::testing::internal::CaptureStderr();
    ASSERT_TRUE(setupHIDManagerForPath(fifo)); // made only afterwards
    QTest::qWait(60);
    ::testing::internal::GetCapturedStderr();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const FrameBytes touch = rawPointFrame(500, 300);
    for (int round = 1; round <= 3; ++round) {
        int writer = -1;
        ASSERT_TRUE(QTest::qWaitFor([&] {
            writer = writer >= 0 ? writer : ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            return writer >= 0;
        })) << "the link must be reading again, round "
            << round;
        ASSERT_TRUE(QTest::qWaitFor([&] { return connects == round; })) << round;
        ASSERT_EQ(::write(writer, touch.data(), touch.size()), 20);
        QTest::qWait(20);
        ::close(writer);
        ASSERT_TRUE(QTest::qWaitFor([&] { return disconnects == round; })) << round;
    }
    // A writer that opens and goes without a word still connects and disconnects.
    ::close(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    ASSERT_TRUE(QTest::qWaitFor([&] { return disconnects == 4; }));
    EXPECT_EQ(connects, 4);
    // Removed while nobody writes: nothing to announce.
    std::filesystem::remove(fifo);
    QTest::qWait(60);
    EXPECT_EQ(disconnects, 4);
    closeHIDManager();
}

} // namespace
} // namespace eboard::testing
