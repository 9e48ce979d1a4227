// Drives the real X server pointer through XTest and watches the result from a second client:
// a window covering the screen that selects button and motion events, and XQueryPointer.
#include "pointer/XTestPointerSink.h"

#include "pointer/PointerBackends.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <optional>
#include <poll.h>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

// Xlib last: its macros (None, Bool, Status) clash with names in the headers above.
#include "support/XEventObserver.h"

namespace eboard {
namespace {

using namespace std::chrono_literals;
using testing::Seen;

// One pointer event of an event log ("left-down 100.00 140.00 1025"), as the replay tool
// writes it.
struct LogEvent {
    std::string verb;
    PointD position;
};

std::vector<LogEvent> readEventLog(const std::string& path) {
    std::ifstream in(path);
    std::vector<LogEvent> events;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        LogEvent event;
        if (fields >> event.verb >> event.position.x >> event.position.y) {
            events.push_back(event);
        }
    }
    return events;
}

// Posts a log's events through a sink; announcements and numbers do not concern the sink.
void replay(const std::vector<LogEvent>& events, PointerSink& sink) {
    for (const auto& e : events) {
        if (e.verb == "move") {
            sink.moveTo(e.position);
        } else if (e.verb == "left-down") {
            sink.leftDown(e.position, 0);
        } else if (e.verb == "left-up") {
            sink.leftUp(e.position, 0);
        } else if (e.verb == "left-drag") {
            sink.leftDrag(e.position, 0, 0);
        } else if (e.verb == "left-double") {
            sink.leftDoubleClick(e.position);
        } else if (e.verb == "right-down") {
            sink.rightDown(e.position, 0);
        } else if (e.verb == "right-up") {
            sink.rightUp(e.position, 0);
        }
    }
}

struct ButtonEvent {
    int type;
    unsigned int button;
    int x;
    int y;
    friend bool operator==(const ButtonEvent&, const ButtonEvent&) = default;
};

std::ostream& operator<<(std::ostream& out, const ButtonEvent& e) {
    return out << (e.type == ButtonPress ? "press " : "release ") << e.button << " at " << e.x
               << "," << e.y;
}

// The button events the X server should report for a log, at whole pixels.
std::vector<ButtonEvent> expectedButtons(const std::vector<LogEvent>& events) {
    std::vector<ButtonEvent> expected;
    for (const auto& e : events) {
        const int x = static_cast<int>(std::floor(e.position.x));
        const int y = static_cast<int>(std::floor(e.position.y));
        if (e.verb == "left-down" || e.verb == "right-down") {
            expected.push_back({ButtonPress, e.verb == "left-down" ? 1u : 3u, x, y});
        } else if (e.verb == "left-up" || e.verb == "right-up") {
            expected.push_back({ButtonRelease, e.verb == "left-up" ? 1u : 3u, x, y});
        } else if (e.verb == "left-double") {
            for (int i = 0; i < 2; ++i) {
                expected.push_back({ButtonPress, 1, x, y});
                expected.push_back({ButtonRelease, 1, x, y});
            }
        }
    }
    return expected;
}

class XTestPointerSinkTest : public ::testing::Test {
protected:
    // One observer for the whole program keeps the server from resetting between tests.
    static void SetUpTestSuite() {
        if (displaySet()) {
            observer_ = std::make_unique<testing::XEventObserver>();
        }
    }
    static void TearDownTestSuite() { observer_.reset(); }
    static bool displaySet() {
        const char* display = std::getenv("DISPLAY");
        return display != nullptr && *display != '\0';
    }

    void SetUp() override {
        if (!displaySet()) {
            GTEST_SKIP() << "DISPLAY is not set: run under xvfb-run to test the XTest sink";
        }
        ASSERT_NE(observer_->display(), nullptr)
            << "cannot open DISPLAY " << std::getenv("DISPLAY");
        observer_->drain();
        std::string error;
        sink_ = XTestPointerSink::open(nullptr, &error);
        ASSERT_NE(sink_, nullptr) << error;
    }

    void TearDown() override {
        if (sink_) {
            // Never leave a button held for the next test.
            const auto pointer = observer_->query();
            if ((pointer.buttonMask & Button1Mask) != 0) {
                sink_->leftUp({0.0, 0.0}, 0);
            }
            if ((pointer.buttonMask & Button3Mask) != 0) {
                sink_->rightUp({0.0, 0.0}, 0);
            }
        }
    }

    static inline std::unique_ptr<testing::XEventObserver> observer_;
    std::unique_ptr<XTestPointerSink> sink_;
};

TEST_F(XTestPointerSinkTest, MoveRepositionsThePointerWithoutButtons) {
    sink_->moveTo({321.0, 654.0});
    observer_->drain();
    const auto pointer = observer_->query();
    EXPECT_EQ(pointer.x, 321);
    EXPECT_EQ(pointer.y, 654);
    EXPECT_EQ(pointer.buttonMask, 0u);
}

TEST_F(XTestPointerSinkTest, TapPressesAndReleasesTheLeftButtonAtThePoint) {
    sink_->moveTo({640.0, 450.0});
    sink_->leftDown({640.0, 450.0}, 1025);
    sink_->leftUp({640.0, 450.0}, 1025);
    const auto seen = observer_->collectButtons(2);
    std::vector<Seen> buttons;
    for (const auto& s : seen) {
        if (s.type != MotionNotify) {
            buttons.push_back(s);
        }
    }
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0].type, ButtonPress);
    EXPECT_EQ(buttons[1].type, ButtonRelease);
    for (const auto& b : buttons) {
        EXPECT_EQ(b.button, 1u);
        EXPECT_EQ(b.x, 640);
        EXPECT_EQ(b.y, 450);
    }
    // The release reports the state before it: the button was held.
    EXPECT_NE(buttons[1].state & Button1Mask, 0u);
    EXPECT_EQ(observer_->query().buttonMask, 0u);
}

TEST_F(XTestPointerSinkTest, DragMovesThePointerWithTheButtonHeld) {
    sink_->leftDown({100.0, 200.0}, 1025);
    sink_->leftDrag({300.0, 400.0}, 200, 200);
    sink_->leftDrag({500.5, 600.9}, 200, 200);
    observer_->drain();
    const auto held = observer_->query();
    EXPECT_EQ(held.x, 500);
    EXPECT_EQ(held.y, 600);
    EXPECT_EQ(held.buttonMask, static_cast<unsigned int>(Button1Mask));

    sink_->leftUp({500.5, 600.9}, 1025);
    const auto seen = observer_->collectButtons(1);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back().type, ButtonRelease);
    EXPECT_EQ(seen.back().x, 500);
    EXPECT_EQ(seen.back().y, 600);
    EXPECT_EQ(observer_->query().buttonMask, 0u);
}

TEST_F(XTestPointerSinkTest, DragIsSeenAsButtonMotion) {
    sink_->moveTo({100.0, 100.0});
    observer_->drain();
    sink_->leftDown({100.0, 100.0}, 1025);
    sink_->leftDrag({150.0, 120.0}, 50, 20);
    sink_->leftUp({150.0, 120.0}, 1025);
    const auto seen = observer_->collectButtons(2);
    // Expected order: press, a motion to (150, 120) with button 1 held, release. The server
    // may report a motion to the press position too.
    enum class Stage { BeforePress, Pressed, Dragged, Released } stage = Stage::BeforePress;
    for (const auto& s : seen) {
        if (s.type == ButtonPress && stage == Stage::BeforePress) {
            stage = Stage::Pressed;
        } else if (s.type == MotionNotify && stage == Stage::Pressed && s.x == 150 && s.y == 120 &&
                   (s.state & Button1Mask) != 0) {
            stage = Stage::Dragged;
        } else if (s.type == ButtonRelease && stage == Stage::Dragged) {
            stage = Stage::Released;
        }
    }
    EXPECT_EQ(stage, Stage::Released) << "no press, held motion to (150, 120), release";
}

TEST_F(XTestPointerSinkTest, DoubleClickIsTwoPressReleasePairs) {
    sink_->moveTo({800.0, 300.0});
    observer_->drain();
    sink_->leftDoubleClick({800.0, 300.0});
    const auto seen = observer_->collectButtons(4);
    std::vector<int> types;
    for (const auto& s : seen) {
        if (s.type != MotionNotify) {
            types.push_back(s.type);
            EXPECT_EQ(s.button, 1u);
            EXPECT_EQ(s.x, 800);
            EXPECT_EQ(s.y, 300);
        }
    }
    EXPECT_EQ(types, (std::vector<int>{ButtonPress, ButtonRelease, ButtonPress, ButtonRelease}));
    EXPECT_EQ(observer_->query().buttonMask, 0u);
}

TEST_F(XTestPointerSinkTest, RightClickUsesButtonThree) {
    sink_->rightDown({50.0, 60.0}, 1026);
    observer_->drain();
    EXPECT_EQ(observer_->query().buttonMask, static_cast<unsigned int>(Button3Mask));
    sink_->rightUp({50.0, 60.0}, 1026);
    const auto seen = observer_->collectButtons(1);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back().type, ButtonRelease);
    EXPECT_EQ(seen.back().button, 3u);
    EXPECT_EQ(observer_->query().buttonMask, 0u);
}

TEST_F(XTestPointerSinkTest, PositionsOutsideTheScreenAreClamped) {
    sink_->moveTo({-50.0, 1e9});
    observer_->drain();
    auto pointer = observer_->query();
    EXPECT_EQ(pointer.x, 0);
    EXPECT_EQ(pointer.y, observer_->height() - 1);

    sink_->moveTo({200.0, 200.0});
    sink_->moveTo({std::numeric_limits<double>::quiet_NaN(), 10.0});
    observer_->drain();
    pointer = observer_->query();
    EXPECT_EQ(pointer.x, 200) << "a non-finite position must not move the pointer";
    EXPECT_EQ(pointer.y, 200);
}

TEST_F(XTestPointerSinkTest, AttachedConnectionStaysOpen) {
    Display* borrowed = XOpenDisplay(nullptr);
    ASSERT_NE(borrowed, nullptr);
    {
        auto sink = XTestPointerSink::attach(borrowed, nullptr);
        ASSERT_NE(sink, nullptr);
        sink->moveTo({77.0, 88.0});
    }
    // The connection must still work after the sink is gone.
    const testing::XPointerState pointer = testing::queryPointer(borrowed);
    EXPECT_EQ(pointer.x, 77);
    EXPECT_EQ(pointer.y, 88);
    XCloseDisplay(borrowed);
}

TEST_F(XTestPointerSinkTest, UnreachableDisplayIsReported) {
    std::string error;
    EXPECT_EQ(XTestPointerSink::open(":31999", &error), nullptr);
    EXPECT_NE(error.find(":31999"), std::string::npos) << error;
}

TEST_F(XTestPointerSinkTest, AutomaticChoiceFallsBackToXTestWithoutUinput) {
    PointerEnvironment environment;
    environment.uinputPath = "/nonexistent/uinput";
    std::string error;
    auto sink = makePointerSink(PointerBackend::Automatic, {1920, 1080}, &error, environment);
    ASSERT_NE(sink, nullptr) << error;
    EXPECT_NE(dynamic_cast<XTestPointerSink*>(sink.get()), nullptr);
}

class ReplayedLog : public XTestPointerSinkTest,
                    public ::testing::WithParamInterface<const char*> {};

// The golden logs of recorded pen sessions, posted through XTest: the server reports the
// same presses and releases at the same pixels, a drag is seen as motion with the button
// held, and the pointer ends where the log ends with no button down.
TEST_P(ReplayedLog, ReachesTheXServerAsLogged) {
    const auto events = readEventLog(std::string(EBOARD_TEST_DATA_DIR) + "/replay/" + GetParam());
    ASSERT_FALSE(events.empty()) << GetParam();
    const auto expected = expectedButtons(events);
    ASSERT_FALSE(expected.empty());

    sink_->moveTo({1.0, 1.0});
    observer_->drain();
    replay(events, *sink_);
    const auto seen = observer_->collectButtons(expected.size());

    std::vector<ButtonEvent> buttons;
    std::vector<std::pair<int, int>> heldMotions;
    for (const auto& s : seen) {
        if (s.type == MotionNotify) {
            if ((s.state & Button1Mask) != 0) {
                heldMotions.emplace_back(s.x, s.y);
            }
        } else {
            buttons.push_back({s.type, s.button, s.x, s.y});
        }
    }
    EXPECT_EQ(buttons, expected);

    // Every drag to another pixel shows as motion with the left button held.
    std::pair<int, int> previous{-1, -1};
    for (const auto& e : events) {
        const std::pair<int, int> pixel{static_cast<int>(std::floor(e.position.x)),
                                        static_cast<int>(std::floor(e.position.y))};
        if (e.verb == "left-drag" && pixel != previous) {
            EXPECT_NE(std::find(heldMotions.begin(), heldMotions.end(), pixel), heldMotions.end())
                << "no held motion at " << pixel.first << "," << pixel.second;
        }
        previous = pixel;
    }

    const auto pointer = observer_->query();
    EXPECT_EQ(pointer.x, static_cast<int>(std::floor(events.back().position.x)));
    EXPECT_EQ(pointer.y, static_cast<int>(std::floor(events.back().position.y)));
    EXPECT_EQ(pointer.buttonMask, 0u);
}

INSTANTIATE_TEST_SUITE_P(GoldenLogs, ReplayedLog,
                         ::testing::Values("tap.expected", "drag-jitter.expected",
                                           "double-tap.expected", "dwell.expected"));

} // namespace
} // namespace eboard
