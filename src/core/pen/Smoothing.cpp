#include "core/pen/Smoothing.h"

#include "core/base/AgentConfig.h"
#include "core/base/PrintableText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <utility>

namespace eboard {

namespace {
constexpr std::array<std::pair<SmoothingMode, std::string_view>, 2> kModeNames{{
    {SmoothingMode::Average, "average"},
    {SmoothingMode::Adaptive, "adaptive"},
}};
} // namespace

bool isUsable(const AdaptiveSmoothing& parameters) {
    return std::isfinite(parameters.minCutoff) && parameters.minCutoff > 0.0 &&
           std::isfinite(parameters.beta) && parameters.beta >= 0.0 &&
           std::isfinite(parameters.derivativeCutoff) && parameters.derivativeCutoff > 0.0;
}

std::string_view smoothingModeName(SmoothingMode mode) {
    for (const auto& [known, name] : kModeNames) {
        if (known == mode) {
            return name;
        }
    }
    return {};
}

std::optional<SmoothingMode> smoothingModeNamed(std::string_view name) {
    for (const auto& [mode, known] : kModeNames) {
        if (known == name) {
            return mode;
        }
    }
    return std::nullopt;
}

std::optional<double> decimalValue(std::string_view text) {
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

SmoothingChoice smoothingChoiceOf(std::string_view configText, std::vector<std::string>& problems) {
    SmoothingChoice choice;
    if (const auto name = configValue(configText, kSmoothingConfigKey)) {
        if (const auto mode = smoothingModeNamed(*name)) {
            choice.mode = *mode;
        } else {
            problems.push_back(std::string(kSmoothingConfigKey) + "=" + printableText(*name) +
                               " is neither average nor adaptive: the average is used");
        }
    }
    // Each parameter on its own: one that cannot be used keeps the default.
    const auto parameter = [&](std::string_view key, double& field, bool zeroAllowed) {
        const auto text = configValue(configText, key);
        if (!text) {
            return;
        }
        const std::optional<double> value = decimalValue(*text);
        if (value && (*value > 0.0 || (zeroAllowed && *value == 0.0))) {
            field = *value;
            return;
        }
        problems.push_back(std::string(key) + "=" + printableText(*text) + " is not a " +
                           (zeroAllowed ? "number of 0 or more" : "number above 0") + ": " +
                           decimalText(field) + " is used");
    };
    if (const auto text = configValue(configText, kWindowConfigKey)) {
        std::int32_t window = 0;
        const char* end = text->data() + text->size();
        const auto [stop, error] = std::from_chars(text->data(), end, window);
        if (error == std::errc() && stop == end && !text->empty()) {
            choice.window = window;
        } else {
            problems.push_back(std::string(kWindowConfigKey) + "=" + printableText(*text) +
                               " is not a whole number: " + std::to_string(choice.window) +
                               " is used");
        }
    }
    parameter(kMinCutoffConfigKey, choice.adaptive.minCutoff, false);
    parameter(kBetaConfigKey, choice.adaptive.beta, true);
    return choice;
}

std::vector<std::pair<std::string_view, std::string>>
smoothingConfigValues(const SmoothingChoice& choice) {
    return {{kSmoothingConfigKey, std::string(smoothingModeName(choice.mode))},
            {kWindowConfigKey, std::to_string(choice.window)},
            {kMinCutoffConfigKey, decimalText(choice.adaptive.minCutoff)},
            {kBetaConfigKey, decimalText(choice.adaptive.beta)}};
}

std::string describeSmoothing(const SmoothingChoice& choice) {
    if (choice.mode == SmoothingMode::Adaptive) {
        return "adaptive (min cutoff " + decimalText(choice.adaptive.minCutoff) + " Hz, beta " +
               decimalText(choice.adaptive.beta) + ")";
    }
    return "average of " + std::to_string(choice.window) +
           (choice.window == 1 ? " sample" : " samples");
}

std::string decimalText(double value) {
    std::array<char, 32> text{};
    const auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() ? std::string(text.data(), end) : std::string("nan");
}

} // namespace eboard
