#include "pointer/PointerBackends.h"

#include "pointer/PixelIndex.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>

namespace eboard {
namespace {

TEST(PointerBackendNames, ParseAcceptsExactlyTheFourNames) {
    const struct {
        const char* text;
        std::optional<PointerBackend> backend;
    } cases[] = {
        {"auto", PointerBackend::Automatic},
        {"uinput", PointerBackend::Uinput},
        {"xtest", PointerBackend::XTest},
        {"log", PointerBackend::Log},
        {"", std::nullopt},
        {"Auto", std::nullopt},
        {"XTest", std::nullopt},
        {"uinput ", std::nullopt},
        {"automatic", std::nullopt},
        {"x11", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parsePointerBackend(c.text), c.backend) << '"' << c.text << '"';
    }
}

TEST(PointerBackendNames, NamesParseBack) {
    for (auto backend : {PointerBackend::Automatic, PointerBackend::Uinput, PointerBackend::XTest,
                         PointerBackend::Log}) {
        EXPECT_EQ(parsePointerBackend(pointerBackendName(backend)), backend);
    }
}

TEST(PixelIndex, ClampsFloorsAndRejectsNonFinite) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double coordinate;
        std::int32_t extent;
        std::optional<std::int32_t> pixel;
    } cases[] = {
        {0.0, 1920, 0},
        {0.99, 1920, 0},
        {1.0, 1920, 1},
        {959.5, 1920, 959},
        {1919.0, 1920, 1919},
        {1919.999, 1920, 1919},
        {1920.0, 1920, 1919},
        {-0.5, 1920, 0},
        {-1e300, 1080, 0},
        {1e300, 1080, 1079},
        {5.0, 1, 0},
        {5.0, 0, std::nullopt},
        {5.0, -3, std::nullopt},
        {std::numeric_limits<double>::quiet_NaN(), 1080, std::nullopt},
        {inf, 1080, std::nullopt},
        {-inf, 1080, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pixelIndex(c.coordinate, c.extent), c.pixel)
            << c.coordinate << " on " << c.extent;
    }
}

// Hides $DISPLAY for the lifetime of the guard.
class NoDisplay {
public:
    NoDisplay() {
        if (const char* value = std::getenv("DISPLAY")) {
            saved_ = value;
        }
        unsetenv("DISPLAY");
    }
    ~NoDisplay() {
        if (saved_) {
            setenv("DISPLAY", saved_->c_str(), 1);
        }
    }
    NoDisplay(const NoDisplay&) = delete;
    NoDisplay& operator=(const NoDisplay&) = delete;

private:
    std::optional<std::string> saved_;
};

PointerEnvironment withoutUinput() {
    PointerEnvironment environment;
    environment.uinputPath = "/nonexistent/eboard/uinput";
    environment.waylandSession = false;
    return environment;
}

bool contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

TEST(MakePointerSink, AutomaticWithNeitherBackendExplainsHowToGetOne) {
    NoDisplay noDisplay;
    std::string error;
    auto sink = makePointerSink(PointerBackend::Automatic, {1920, 1080}, &error, withoutUinput());
    EXPECT_EQ(sink, nullptr);
    // Why each back end is missing ...
    EXPECT_TRUE(contains(error, "/nonexistent/eboard/uinput is not writable")) << error;
    EXPECT_TRUE(contains(error, "DISPLAY is not set")) << error;
    // ... and how to get either.
    EXPECT_TRUE(contains(error, "TAG+=\"uaccess\"")) << error;
    EXPECT_TRUE(contains(error, "61-eboard-uinput.rules")) << error;
    EXPECT_TRUE(contains(error, "X11 session")) << error;
}

TEST(MakePointerSink, ExplicitUinputReportsTheMissingNodeWithTheUdevAdvice) {
    std::string error;
    auto sink = makePointerSink(PointerBackend::Uinput, {1920, 1080}, &error, withoutUinput());
    EXPECT_EQ(sink, nullptr);
    EXPECT_TRUE(contains(error, "/nonexistent/eboard/uinput")) << error;
    EXPECT_TRUE(contains(error, "uaccess")) << error;
    EXPECT_FALSE(contains(error, "XTest")) << error;
}

TEST(MakePointerSink, AutomaticChoiceInAWaylandSessionNeverFallsBackToXTest) {
    PointerEnvironment environment = withoutUinput();
    environment.waylandSession = true;
    std::string error;
    // Even with an X display at hand (XWayland), XTest would not move the desktop's pointer.
    EXPECT_EQ(makePointerSink(PointerBackend::Automatic, {1920, 1080}, &error, environment),
              nullptr);
    EXPECT_TRUE(contains(error, "Wayland session")) << error;
    EXPECT_TRUE(contains(error, "/nonexistent/eboard/uinput is not writable")) << error;
    EXPECT_TRUE(contains(error, "XWayland")) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos) << error;
}

TEST(MakePointerSink, ExplicitXTestWithoutDisplayFails) {
    NoDisplay noDisplay;
    std::string error;
    auto sink = makePointerSink(PointerBackend::XTest, {1920, 1080}, &error, withoutUinput());
    EXPECT_EQ(sink, nullptr);
    EXPECT_TRUE(contains(error, "DISPLAY is not set")) << error;
    EXPECT_TRUE(contains(error, "X11 session")) << error;
}

TEST(MakePointerSink, FailureWithoutErrorSlotIsStillNull) {
    NoDisplay noDisplay;
    EXPECT_EQ(makePointerSink(PointerBackend::Automatic, {1920, 1080}, nullptr, withoutUinput()),
              nullptr);
}

TEST(MakePointerSink, LogBackendWritesToTheGivenStream) {
    std::FILE* stream = std::tmpfile();
    ASSERT_NE(stream, nullptr);
    PointerEnvironment environment = withoutUinput();
    environment.logStream = stream;
    std::string error;
    auto sink = makePointerSink(PointerBackend::Log, {1920, 1080}, &error, environment);
    ASSERT_NE(sink, nullptr) << error;
    sink->moveTo({1.5, 2.0});
    std::fflush(stream);
    std::rewind(stream);
    char line[64] = {};
    ASSERT_NE(std::fgets(line, sizeof line, stream), nullptr);
    EXPECT_STREQ(line, "move 1.50 2.00\n");
    std::fclose(stream);
}

} // namespace
} // namespace eboard
