#include "core/pen/AdaptiveFilter.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace {

using eboard::AdaptiveFilter;
using eboard::AdaptiveSmoothing;

constexpr double kFrame = AdaptiveFilter::kFrameInterval;
const AdaptiveSmoothing kDefaults;

// The outputs for values at the given times.
std::vector<double> filtered(const std::vector<double>& values, const std::vector<double>& times,
                             const AdaptiveSmoothing& parameters = kDefaults) {
    AdaptiveFilter filter;
    std::vector<double> out;
    for (std::size_t i = 0; i < values.size(); ++i) {
        out.push_back(filter.filter(values[i], times[i], parameters));
    }
    return out;
}

std::vector<double> everyFrame(std::size_t count, double start = 1.0) {
    std::vector<double> times;
    for (std::size_t i = 0; i < count; ++i) {
        times.push_back(start + static_cast<double>(i) * kFrame);
    }
    return times;
}

TEST(AdaptiveFilter, TheFirstSamplePassesAndAConstantInputConvergesToIt) {
    std::vector<double> values(200, 10.0);
    values[0] = 500.0;
    const std::vector<double> out = filtered(values, everyFrame(values.size()));
    EXPECT_EQ(out.front(), 500.0);
    EXPECT_NEAR(out.back(), 10.0, 1e-6);
    for (std::size_t i = 1; i < out.size(); ++i) {
        EXPECT_LE(out[i], out[i - 1]) << "overshoot at " << i;
        EXPECT_GE(out[i], 10.0) << "overshoot at " << i;
    }
}

TEST(AdaptiveFilter, AStepIsFollowedWithinAFewFrames) {
    std::vector<double> values(30, 0.0);
    std::fill(values.begin() + 10, values.end(), 300.0);
    const std::vector<double> out = filtered(values, everyFrame(values.size()));
    EXPECT_EQ(out[9], 0.0);
    EXPECT_GT(out[10], 150.0); // the jump in speed opens the filter at once
    EXPECT_NEAR(out[15], 300.0, 3.0);
}

TEST(AdaptiveFilter, TheCutoffRisesWithSpeedAndStaysAtTheMinimumAtRest) {
    double previous = 0.0;
    for (const double pxPerFrame : {0.0, 1.0, 3.0, 15.0, 60.0}) {
        AdaptiveFilter filter;
        for (int i = 0; i < 100; ++i) {
            filter.filter(pxPerFrame * i, 1.0 + i * kFrame, kDefaults);
        }
        const double cutoff = filter.lastCutoff();
        if (pxPerFrame == 0.0) {
            EXPECT_EQ(cutoff, kDefaults.minCutoff);
        } else {
            EXPECT_GT(cutoff, previous) << pxPerFrame << " px per frame";
            // The speed is taken from the smoothed position, which trails the pen: never
            // less than the pen's own speed once settled.
            EXPECT_GE(cutoff, kDefaults.minCutoff + kDefaults.beta * pxPerFrame / kFrame)
                << pxPerFrame << " px per frame";
        }
        previous = cutoff;
    }
}

TEST(AdaptiveFilter, AResetForgetsEverySample) {
    AdaptiveFilter filter;
    for (int i = 0; i < 50; ++i) {
        filter.filter(i * 7.0, i * kFrame, kDefaults);
    }
    filter.reset();
    EXPECT_EQ(filter.filter(-40.0, 0.0, kDefaults), -40.0);
    EXPECT_EQ(filter.lastCutoff(), kDefaults.minCutoff);
    // And goes on as a fresh filter would.
    AdaptiveFilter fresh;
    fresh.filter(-40.0, 0.0, kDefaults);
    EXPECT_EQ(filter.filter(-20.0, kFrame, kDefaults), fresh.filter(-20.0, kFrame, kDefaults));
}

// Time stamps that do not advance count as one frame interval: the outputs are those of
// regular frames, finite, never a division by zero.
TEST(AdaptiveFilter, TimeThatDoesNotAdvanceCountsAsOneFrame) {
    const std::vector<double> values{0, 4, 9, 15, 22, 22, 21, 30};
    const std::vector<double> regular = filtered(values, everyFrame(values.size()));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* what;
        std::vector<double> times;
    };
    const Case cases[] = {
        {"repeated", {1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0}},
        {"backwards", {5.0, 4.0, 3.0, 2.0, 1.0, 0.0, -1.0, -2.0}},
        {"not a number", {1.0, nan, nan, nan, nan, nan, nan, nan}},
        {"infinite", {1.0, inf, inf, -inf, inf, inf, inf, inf}},
    };
    for (const Case& c : cases) {
        const std::vector<double> out = filtered(values, c.times);
        for (std::size_t i = 0; i < out.size(); ++i) {
            EXPECT_NEAR(out[i], regular[i], 1e-9) << c.what << ", sample " << i;
        }
    }
}

TEST(AdaptiveSmoothingSettings, NamesAndNumbersAsTheSettingsCarryThem) {
    EXPECT_EQ(eboard::smoothingModeNamed("adaptive"), eboard::SmoothingMode::Adaptive);
    EXPECT_EQ(eboard::smoothingModeNamed("average"), eboard::SmoothingMode::Average);
    for (const char* bad : {"", "Adaptive", "avg", "adaptive "}) {
        EXPECT_FALSE(eboard::smoothingModeNamed(bad)) << bad;
    }
    EXPECT_EQ(eboard::decimalValue("1.5"), 1.5);
    EXPECT_EQ(eboard::decimalValue("-0.25"), -0.25);
    EXPECT_EQ(eboard::decimalValue("3"), 3.0);
    for (const char* bad : {"", "1.5x", " 1", "nan", "inf", "1e999", "0x10"}) {
        EXPECT_FALSE(eboard::decimalValue(bad)) << bad;
    }
    EXPECT_TRUE(isUsable(AdaptiveSmoothing{}));
    EXPECT_TRUE(isUsable(AdaptiveSmoothing{0.1, 0.0, 1.0}));
    for (const AdaptiveSmoothing bad :
         {AdaptiveSmoothing{0.0, 0.1, 1.0}, AdaptiveSmoothing{1.0, -0.1, 1.0},
          AdaptiveSmoothing{1.0, 0.1, 0.0},
          AdaptiveSmoothing{std::numeric_limits<double>::infinity(), 0.1, 1.0}}) {
        EXPECT_FALSE(isUsable(bad)) << bad.minCutoff << " " << bad.beta;
    }
}

struct ConfigCase {
    const char* text;
    eboard::SmoothingChoice expected;
    std::size_t problems;
};

TEST(AdaptiveSmoothingSettings, ReadFromAgentConfAndWrittenBackTheSame) {
    using eboard::SmoothingChoice;
    using eboard::SmoothingMode;
    const AdaptiveSmoothing d;
    const ConfigCase cases[] = {
        {"", SmoothingChoice{}, 0},
        {"output=HDMI-1\n", SmoothingChoice{}, 0},
        {"smoothing=adaptive\n", {SmoothingMode::Adaptive, 4, d}, 0},
        {"smoothing=adaptive\nsmoothing_min_cutoff=2.5\nsmoothing_beta=0\n",
         {SmoothingMode::Adaptive, 4, {2.5, 0.0, d.derivativeCutoff}},
         0},
        {"smoothing=average\nsmoothing_window=8\n", {SmoothingMode::Average, 8, d}, 0},
        // Each unusable value keeps its default and is named.
        {"smoothing=fast\nsmoothing_window=8x\n", SmoothingChoice{}, 2},
        {"smoothing=adaptive\nsmoothing_min_cutoff=0\nsmoothing_beta=-1\n",
         {SmoothingMode::Adaptive, 4, d},
         2},
        {"smoothing=adaptive\nsmoothing_min_cutoff=nan\nsmoothing_beta=0.2\n",
         {SmoothingMode::Adaptive, 4, {d.minCutoff, 0.2, d.derivativeCutoff}},
         1},
    };
    for (const ConfigCase& c : cases) {
        std::vector<std::string> problems;
        const SmoothingChoice choice = eboard::smoothingChoiceOf(c.text, problems);
        EXPECT_EQ(choice, c.expected) << c.text;
        EXPECT_EQ(problems.size(), c.problems) << c.text;
        // What is written reads back as it was.
        std::string written;
        for (const auto& [key, value] : eboard::smoothingConfigValues(choice)) {
            written += std::string(key) + "=" + value + "\n";
        }
        std::vector<std::string> none;
        EXPECT_EQ(eboard::smoothingChoiceOf(written, none), choice) << written;
        EXPECT_TRUE(none.empty()) << written;
    }
    std::vector<std::string> problems;
    eboard::smoothingChoiceOf("smoothing_beta=\x1b[2J\n", problems);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].find('\x1b'), std::string::npos) << "escaped for the log";
}

} // namespace
