#pragma once
// How a continuing stroke's mapped positions are smoothed before they become drags.
//
// Average: the mean of the last n positions ("SetSmoothValue"): calm, but it trails a
// moving pen by (n - 1) / 2 frames at every speed.
// Adaptive: a first-order low-pass per axis whose cutoff rises with the pen's filtered
// speed (the 1-euro filter of Casiez, Roussel and Vogel, CHI 2012): strong smoothing when
// the pen is nearly still, almost none when it moves fast.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace eboard {

enum class SmoothingMode { Average, Adaptive };

// The adaptive filter's two parameters. Positions are screen pixels, times seconds.
struct AdaptiveSmoothing {
    // Chosen with bench/pen_feel_bench at the camera's 10 ms frame interval; the README
    // gives the figures.
    static constexpr double kDefaultMinCutoff = 1.0; // Hz
    static constexpr double kDefaultBeta = 0.1;      // Hz per px/s
    // The speed estimate's own cutoff, chosen with the two above; not a setting.
    static constexpr double kDefaultDerivativeCutoff = 1.0; // Hz

    double minCutoff = kDefaultMinCutoff; // the cutoff of a pen at rest
    double beta = kDefaultBeta;           // how fast the cutoff rises with speed
    double derivativeCutoff = kDefaultDerivativeCutoff;

    friend bool operator==(const AdaptiveSmoothing&, const AdaptiveSmoothing&) = default;
};

// Cutoffs above 0 and a beta of 0 or more, all finite.
bool isUsable(const AdaptiveSmoothing& parameters);

// "average" and "adaptive", the names agent.conf, the bus and eboardctl use.
std::string_view smoothingModeName(SmoothingMode mode);
std::optional<SmoothingMode> smoothingModeNamed(std::string_view name);

// A decimal number as agent.conf and the bus carry it ("1.5", "0.05"), the whole text and
// finite; nothing otherwise.
std::optional<double> decimalValue(std::string_view text);

// The smoothing as agent.conf remembers it: "smoothing=average|adaptive",
// "smoothing_window=N" (the average's), "smoothing_min_cutoff=HZ", "smoothing_beta=B".
struct SmoothingChoice {
    static constexpr std::int32_t kDefaultWindow = 4;

    SmoothingMode mode = SmoothingMode::Average;
    std::int32_t window = kDefaultWindow; // ismooth: taken as it comes, like "SetSmoothValue"
    AdaptiveSmoothing adaptive;

    friend bool operator==(const SmoothingChoice&, const SmoothingChoice&) = default;
};
inline constexpr std::string_view kSmoothingConfigKey = "smoothing";
inline constexpr std::string_view kWindowConfigKey = "smoothing_window";
inline constexpr std::string_view kMinCutoffConfigKey = "smoothing_min_cutoff";
inline constexpr std::string_view kBetaConfigKey = "smoothing_beta";

// What agent.conf's text says. A value that cannot be used keeps its default and is named,
// with what is used instead, in problems.
SmoothingChoice smoothingChoiceOf(std::string_view configText, std::vector<std::string>& problems);
// The lines that remember a choice, the parameters included.
std::vector<std::pair<std::string_view, std::string>>
smoothingConfigValues(const SmoothingChoice& choice);
// "adaptive (min cutoff 1 Hz, beta 0.1)" or "average of 4 samples", for logs.
std::string describeSmoothing(const SmoothingChoice& choice);
// A parameter as the settings write it: the shortest text that reads back the same.
std::string decimalText(double value);

} // namespace eboard
