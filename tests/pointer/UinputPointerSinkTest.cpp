// Runs under umockdev-wrapper: /dev/uinput is emulated by an ioctl/write handler that records
// how the device is set up and which input events are written to it.
#include "pointer/UinputPointerSink.h"

#include "pointer/PointerBackends.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <linux/input.h>
#include <linux/uinput.h>
#include <mutex>
#include <ostream>
#include <set>
#include <string>
#include <umockdev.h>
#include <vector>

namespace eboard {
namespace {

struct Event {
    std::uint16_t type;
    std::uint16_t code;
    std::int32_t value;
    friend bool operator==(const Event&, const Event&) = default;
};

std::ostream& operator<<(std::ostream& out, const Event& event) {
    return out << "{" << event.type << ", " << event.code << ", " << event.value << "}";
}

Event axis(std::uint16_t code, std::int32_t value) {
    return {EV_ABS, code, value};
}
Event key(std::uint16_t code, std::int32_t value) {
    return {EV_KEY, code, value};
}
constexpr Event report{EV_SYN, SYN_REPORT, 0};

// What the emulated uinput saw. Filled on umockdev's worker thread, read by the test.
struct UinputRecord {
    bool versionAsked = false;
    bool created = false;
    bool destroyed = false;
    std::string name;
    input_id id{};
    std::set<unsigned long> evBits;
    std::set<unsigned long> keyBits;
    std::set<unsigned long> absBits;
    std::set<unsigned long> propBits;
    std::vector<uinput_abs_setup> axes;
    std::vector<Event> events;
};

class UinputEmulator {
public:
    static UinputEmulator& instance() {
        static UinputEmulator emulator;
        return emulator;
    }

    UinputRecord take() {
        std::lock_guard lock(mutex_);
        return std::exchange(record_, UinputRecord{});
    }
    void clear() { take(); }
    bool mocked() const { return mocked_; }

private:
    UinputEmulator()
        : testbed_(umockdev_testbed_new()) {
        mocked_ = umockdev_in_mock_environment() != FALSE;
        GError* error = nullptr;
        const bool added = umockdev_testbed_add_from_string(testbed_,
                                                            "P: /devices/virtual/misc/uinput\n"
                                                            "N: uinput\n"
                                                            "E: DEVNAME=/dev/uinput\n"
                                                            "E: SUBSYSTEM=misc\n"
                                                            "E: MAJOR=10\n"
                                                            "E: MINOR=223\n"
                                                            "A: dev=10:223\n",
                                                            &error) != FALSE;
        if (!added) {
            ADD_FAILURE() << "cannot add /dev/uinput: " << (error ? error->message : "?");
            g_clear_error(&error);
            return;
        }
        handler_ = umockdev_ioctl_base_new();
        g_signal_connect(handler_, "handle-ioctl", reinterpret_cast<GCallback>(&onIoctl), this);
        g_signal_connect(handler_, "handle-write", reinterpret_cast<GCallback>(&onWrite), this);
        if (umockdev_testbed_attach_ioctl(testbed_, "/dev/uinput", handler_, &error) == FALSE) {
            ADD_FAILURE() << "cannot attach the uinput handler: " << (error ? error->message : "?");
            g_clear_error(&error);
        }
    }

    template <typename T> static bool readArgument(UMockdevIoctlClient* client, T& value) {
        UMockdevIoctlData* data = umockdev_ioctl_data_resolve(umockdev_ioctl_client_get_arg(client),
                                                              0, sizeof(T), nullptr);
        if (data == nullptr) {
            return false;
        }
        std::memcpy(&value, data->data, sizeof(T));
        g_object_unref(data);
        return true;
    }

    static bool writeArgument(UMockdevIoctlClient* client, const void* bytes, std::size_t size) {
        UMockdevIoctlData* data =
            umockdev_ioctl_data_resolve(umockdev_ioctl_client_get_arg(client), 0, size, nullptr);
        if (data == nullptr) {
            return false;
        }
        std::memcpy(data->data, bytes, size);
        g_object_unref(data);
        return true;
    }

    static unsigned long plainArgument(UMockdevIoctlClient* client) {
        unsigned long value = 0;
        std::memcpy(&value, umockdev_ioctl_client_get_arg(client)->data, sizeof value);
        return value;
    }

    static gboolean onIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer self) {
        auto& emulator = *static_cast<UinputEmulator*>(self);
        const unsigned long request = umockdev_ioctl_client_get_request(client);
        bool ok = true;
        std::lock_guard lock(emulator.mutex_);
        UinputRecord& record = emulator.record_;
        if (request == UI_GET_VERSION) {
            const unsigned int version = 5;
            record.versionAsked = true;
            ok = writeArgument(client, &version, sizeof version);
        } else if (request == UI_DEV_SETUP) {
            uinput_setup setup{};
            ok = readArgument(client, setup);
            record.name.assign(setup.name, strnlen(setup.name, sizeof setup.name));
            record.id = setup.id;
        } else if (request == UI_ABS_SETUP) {
            uinput_abs_setup axisSetup{};
            ok = readArgument(client, axisSetup);
            record.axes.push_back(axisSetup);
        } else if (request == UI_SET_EVBIT) {
            record.evBits.insert(plainArgument(client));
        } else if (request == UI_SET_KEYBIT) {
            record.keyBits.insert(plainArgument(client));
        } else if (request == UI_SET_ABSBIT) {
            record.absBits.insert(plainArgument(client));
        } else if (request == UI_SET_PROPBIT) {
            record.propBits.insert(plainArgument(client));
        } else if (request == UI_DEV_CREATE) {
            record.created = true;
        } else if (request == UI_DEV_DESTROY) {
            record.destroyed = true;
        } else if (_IOC_TYPE(request) == UINPUT_IOCTL_BASE && _IOC_NR(request) == 44) {
            // UI_GET_SYSNAME(len)
            const char sysname[] = "input42";
            ok = _IOC_SIZE(request) >= sizeof sysname &&
                 writeArgument(client, sysname, sizeof sysname);
        } else {
            ok = false;
        }
        umockdev_ioctl_client_complete(client, ok ? 0 : -1, ok ? 0 : EINVAL);
        return TRUE;
    }

    static gboolean onWrite(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer self) {
        auto& emulator = *static_cast<UinputEmulator*>(self);
        UMockdevIoctlData* data = umockdev_ioctl_client_get_arg(client);
        const auto length = static_cast<std::size_t>(data->data_len);
        {
            std::lock_guard lock(emulator.mutex_);
            for (std::size_t offset = 0; offset + sizeof(input_event) <= length;
                 offset += sizeof(input_event)) {
                input_event event{};
                std::memcpy(&event, data->data + offset, sizeof event);
                emulator.record_.events.push_back({event.type, event.code, event.value});
            }
        }
        umockdev_ioctl_client_complete(client, static_cast<glong>(length), 0);
        return TRUE;
    }

    UMockdevTestbed* testbed_;
    UMockdevIoctlBase* handler_ = nullptr;
    bool mocked_ = false;
    std::mutex mutex_;
    UinputRecord record_;
};

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
