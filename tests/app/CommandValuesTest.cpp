// How command values cross the bus and what the agent makes of them.
#include "app/AgentOptions.h"
#include "bus/UserInfoConversion.h"
#include "core/notify/SmoothValue.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>
#include <variant>

namespace eboard {
namespace {

constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();

struct SmoothCase {
    const char* what;
    UserInfo userInfo;
    std::int32_t expected;
};

TEST(SmoothValue, FollowsIntegerValueOfTextsAndNumbers) {
    const SmoothCase cases[] = {
        {"decimal text", {{"smoothvalue", std::string("12")}}, 12},
        {"text with leading blanks and trailing junk", {{"smoothvalue", std::string(" 7px")}}, 7},
        {"number", {{"smoothvalue", std::int64_t{9}}}, 9},
        {"missing key", {{"other", std::int64_t{9}}}, 0},
        {"no user information", {}, 0},
        {"text without digits", {{"smoothvalue", std::string("abc")}}, 0},
        {"negative number", {{"smoothvalue", std::int64_t{-5}}}, -5},
        {"negative text", {{"smoothvalue", std::string("-3")}}, -3},
        {"huge number saturates", {{"smoothvalue", std::int64_t{1'000'000'000'000}}}, kMax32},
        {"huge negative saturates", {{"smoothvalue", std::int64_t{-1'000'000'000'000}}}, kMin32},
        {"huge text saturates", {{"smoothvalue", std::string("99999999999999999999999")}}, kMax32},
        {"real truncates toward zero", {{"smoothvalue", 3.9}}, 3},
        {"negative real truncates toward zero", {{"smoothvalue", -3.9}}, -3},
        {"key among others", {{"a", std::string("x")}, {"smoothvalue", std::string("6")}}, 6},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(smoothValueOf(c.userInfo), c.expected) << c.what;
    }
}

TEST(SmoothMode, ChoosesTheModeAndParametersOrChangesNothing) {
    const SmoothingChoice current{SmoothingMode::Average, 6, AdaptiveSmoothing{}};
    const AdaptiveSmoothing d;
    struct Case {
        const char* what;
        UserInfo userInfo;
        std::optional<SmoothingChoice> expected; // none: refused
    };
    const Case cases[] = {
        {"adaptive", {{"mode", std::string("adaptive")}}, {{SmoothingMode::Adaptive, 6, d}}},
        {"adaptive with numbers",
         {{"mode", std::string("adaptive")}, {"mincutoff", 2.5}, {"beta", std::int64_t{0}}},
         {{SmoothingMode::Adaptive, 6, {2.5, 0.0, d.derivativeCutoff}}}},
        {"adaptive with decimal texts",
         {{"mode", std::string("adaptive")}, {"beta", std::string("0.25")}},
         {{SmoothingMode::Adaptive, 6, {d.minCutoff, 0.25, d.derivativeCutoff}}}},
        {"average keeps the window", {{"mode", std::string("average")}}, {current}},
        {"no mode", {{"beta", 0.2}}, std::nullopt},
        {"unknown mode", {{"mode", std::string("fast")}}, std::nullopt},
        {"mode as a number", {{"mode", std::int64_t{1}}}, std::nullopt},
        {"text that is no number",
         {{"mode", std::string("adaptive")}, {"mincutoff", std::string("1Hz")}},
         std::nullopt},
        {"zero cutoff", {{"mode", std::string("adaptive")}, {"mincutoff", 0.0}}, std::nullopt},
        {"negative beta", {{"mode", std::string("adaptive")}, {"beta", -0.1}}, std::nullopt},
        {"infinite beta",
         {{"mode", std::string("adaptive")}, {"beta", std::numeric_limits<double>::infinity()}},
         std::nullopt},
    };
    for (const Case& c : cases) {
        const auto chosen = smoothModeOf(c.userInfo, current);
        if (c.expected) {
            ASSERT_TRUE(std::holds_alternative<SmoothingChoice>(chosen)) << c.what;
            EXPECT_EQ(std::get<SmoothingChoice>(chosen), *c.expected) << c.what;
        } else {
            ASSERT_TRUE(std::holds_alternative<std::string>(chosen)) << c.what;
            EXPECT_FALSE(std::get<std::string>(chosen).empty()) << c.what;
        }
    }
}

TEST(UserInfoConversion, BusValuesBecomeIntegersRealsAndTexts) {
    QVariantMap map;
    map.insert("int32", QVariant::fromValue<int>(-4));
    map.insert("uint32", QVariant::fromValue<uint>(4000000000u));
    map.insert("int64", QVariant::fromValue<qlonglong>(-9000000000LL));
    map.insert("uint64", QVariant::fromValue<qulonglong>(18446744073709551615ULL));
    map.insert("byte", QVariant::fromValue<uchar>(200));
    map.insert("bool", true);
    map.insert("double", 2.5);
    map.insert("text", QStringLiteral("left"));
    map.insert("list", QStringList{"a", "b"});

    const UserInfo info = fromVariantMap(map);
    auto valueOf = [&info](const std::string& key) -> const NotificationValue* {
        for (const auto& [k, v] : info) {
            if (k == key) {
                return &v;
            }
        }
        return nullptr;
    };
    ASSERT_EQ(info.size(), 8u) << "the list has no counterpart and is dropped";
    EXPECT_EQ(std::get<std::int64_t>(*valueOf("int32")), -4);
    EXPECT_EQ(std::get<std::int64_t>(*valueOf("uint32")), 4000000000LL);
    EXPECT_EQ(std::get<std::int64_t>(*valueOf("int64")), -9000000000LL);
    EXPECT_EQ(std::get<std::int64_t>(*valueOf("uint64")), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(std::get<std::int64_t>(*valueOf("byte")), 200);
    EXPECT_EQ(std::get<std::int64_t>(*valueOf("bool")), 1);
    EXPECT_EQ(std::get<double>(*valueOf("double")), 2.5);
    EXPECT_EQ(std::get<std::string>(*valueOf("text")), "left");
    EXPECT_EQ(valueOf("list"), nullptr);
}

TEST(UserInfoConversion, IntegersTravelAsInt32WhenTheyFit) {
    const QVariantMap map = toVariantMap({{"small", std::int64_t{7}},
                                          {"big", std::int64_t{5'000'000'000}},
                                          {"text", std::string("right")},
                                          {"real", 0.25}});
    EXPECT_EQ(map.value("small").metaType().id(), QMetaType::Int);
    EXPECT_EQ(map.value("small").toInt(), 7);
    EXPECT_EQ(map.value("big").metaType().id(), QMetaType::LongLong);
    EXPECT_EQ(map.value("big").toLongLong(), 5'000'000'000);
    EXPECT_EQ(map.value("text").toString(), QStringLiteral("right"));
    EXPECT_EQ(map.value("real").toDouble(), 0.25);
}

struct OptionsCase {
    std::vector<std::string_view> args;
    bool ok;
    PointerBackend pointer;
    const char* device; // nullptr: none
};

TEST(AgentOptions, AcceptsTheDocumentedOptionsOnly) {
    const OptionsCase cases[] = {
        {{}, true, PointerBackend::Automatic, nullptr},
        {{"--pointer", "log"}, true, PointerBackend::Log, nullptr},
        {{"--pointer=xtest"}, true, PointerBackend::XTest, nullptr},
        {{"--pointer", "uinput", "--device", "/dev/hidraw3"},
         true,
         PointerBackend::Uinput,
         "/dev/hidraw3"},
        {{"--device=/tmp/unit fifo"}, true, PointerBackend::Automatic, "/tmp/unit fifo"},
        {{"--pointer", "mouse"}, false, PointerBackend::Automatic, nullptr},
        {{"--pointer"}, false, PointerBackend::Automatic, nullptr},
        {{"--device"}, false, PointerBackend::Automatic, nullptr},
        {{"--device="}, false, PointerBackend::Automatic, nullptr},
        {{"--devices", "x"}, false, PointerBackend::Automatic, nullptr},
        {{"stray"}, false, PointerBackend::Automatic, nullptr},
    };
    for (const auto& c : cases) {
        const AgentOptionsResult result = parseAgentOptions(c.args);
        const std::string line = c.args.empty() ? "(none)" : std::string(c.args[0]);
        EXPECT_EQ(result.error.empty(), c.ok) << line << ": " << result.error;
        if (!c.ok) {
            continue;
        }
        EXPECT_EQ(result.options.pointer, c.pointer) << line;
        if (c.device == nullptr) {
            EXPECT_FALSE(result.options.devicePath) << line;
        } else {
            ASSERT_TRUE(result.options.devicePath) << line;
            EXPECT_EQ(*result.options.devicePath, c.device) << line;
        }
    }
}

TEST(AgentOptions, OutputNamesTheBoardOutput) {
    using Args = std::vector<std::string_view>;
    EXPECT_FALSE(parseAgentOptions(Args{}).options.output);
    EXPECT_EQ(parseAgentOptions(Args{"--output", "HDMI-1"}).options.output, "HDMI-1");
    EXPECT_EQ(parseAgentOptions(Args{"--output=primary"}).options.output, "primary");
    EXPECT_FALSE(parseAgentOptions(Args{"--output"}).error.empty());
    EXPECT_FALSE(parseAgentOptions(Args{"--output="}).error.empty());
}

TEST(AgentOptions, QtsOwnOptionsPassThroughToQt) {
    using Args = std::vector<std::string_view>;
    struct Case {
        Args args;
        bool ok;
        const char* platform; // remembered for the display check; null: none
    };
    const Case cases[] = {
        {{"-platform", "offscreen"}, true, "offscreen"},
        {{"--platform", "wayland;xcb", "--pointer", "log"}, true, "wayland;xcb"},
        {{"-session", "10d2e3f4a5", "-display", ":3"}, true, nullptr},
        {{"-reverse", "-style", "Fusion", "--output", "HDMI-1"}, true, nullptr},
        {{"-platform"}, false, nullptr},
        {{"-bogus"}, false, nullptr},
        {{"-device", "/dev/hidraw0"}, false, nullptr}, // the agent's own take two dashes
    };
    for (const Case& c : cases) {
        const AgentOptionsResult result = parseAgentOptions(c.args);
        EXPECT_EQ(result.error.empty(), c.ok) << c.args[0] << ": " << result.error;
        if (c.platform != nullptr) {
            EXPECT_EQ(result.options.qtPlatform, c.platform) << c.args[0];
        } else if (c.ok) {
            EXPECT_FALSE(result.options.qtPlatform) << c.args[0];
        }
    }
    EXPECT_EQ(parseAgentOptions(Args{"-display", ":3"}).options.qtDisplay, ":3");
    EXPECT_EQ(parseAgentOptions(Args{"-reverse", "--output", "HDMI-1"}).options.output, "HDMI-1");
}

TEST(AgentOptions, HelpAndVersionAreFlags) {
    const std::vector<std::string_view> help{"-h"};
    const std::vector<std::string_view> version{"--version"};
    EXPECT_TRUE(parseAgentOptions(help).options.showHelp);
    EXPECT_TRUE(parseAgentOptions(version).options.showVersion);
    EXPECT_NE(agentUsage().find("--pointer"), std::string::npos);
}

} // namespace
} // namespace eboard
