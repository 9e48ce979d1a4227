#include "Options.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <utility>

namespace eboardctl {

Options::Options(Arguments args, std::initializer_list<std::string_view> valueOptions) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg.size() > 2 && arg.starts_with("--")) {
            const std::string_view name = arg.substr(2);
            if (std::find(valueOptions.begin(), valueOptions.end(), name) == valueOptions.end()) {
                throw UsageError("unknown option " + std::string(arg));
            }
            if (i + 1 >= args.size()) {
                throw UsageError("option " + std::string(arg) + " needs a value");
            }
            values_.emplace_back(name, args[++i]);
        } else {
            positionals_.push_back(arg);
        }
    }
}

std::optional<std::string> Options::value(std::string_view name) const {
    std::optional<std::string> found;
    for (const auto& [key, text] : values_) {
        if (key == name) {
            found = std::string(text); // the last occurrence wins
        }
    }
    return found;
}

float parseFloat(std::string_view text, std::string_view what) {
    const std::string copy(text);
    char* end = nullptr;
    errno = 0;
    const float value = std::strtof(copy.c_str(), &end);
    // Underflow (ERANGE with a tiny result) is fine: subnormal floats are valid values.
    if (copy.empty() || end != copy.c_str() + copy.size() || !std::isfinite(value)) {
        throw UsageError("invalid " + std::string(what) + " '" + copy + "'");
    }
    return value;
}

eboard::AdaptiveSmoothing adaptiveParameters(const Options& options,
                                             eboard::AdaptiveSmoothing parameters) {
    for (const auto& [name, field] :
         {std::pair{"min-cutoff", &parameters.minCutoff}, std::pair{"beta", &parameters.beta}}) {
        if (const auto text = options.value(name)) {
            const std::optional<double> value = eboard::decimalValue(*text);
            if (!value) {
                throw UsageError("invalid --" + std::string(name) + " '" + *text + "'");
            }
            *field = *value;
        }
    }
    if (!eboard::isUsable(parameters)) {
        throw UsageError("--min-cutoff must be above 0 and --beta 0 or more");
    }
    return parameters;
}

std::int64_t parseInteger(std::string_view text, std::string_view what) {
    const std::string copy(text);
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(copy.c_str(), &end, 10);
    if (copy.empty() || end != copy.c_str() + copy.size() || errno == ERANGE) {
        throw UsageError("invalid " + std::string(what) + " '" + copy + "'");
    }
    return value;
}

ScreenSize parseScreenSize(std::string_view text) {
    const auto cross = text.find('x');
    const auto invalid = [&] {
        return UsageError("invalid screen size '" + std::string(text) +
                          "' (expected WxH, e.g. 1920x1080)");
    };
    if (cross == std::string_view::npos) {
        throw invalid();
    }
    try {
        const std::int64_t width = parseInteger(text.substr(0, cross), "width");
        const std::int64_t height = parseInteger(text.substr(cross + 1), "height");
        constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
        if (width <= 0 || height <= 0 || width > kMax || height > kMax) {
            throw invalid();
        }
        return {static_cast<std::int32_t>(width), static_cast<std::int32_t>(height)};
    } catch (const UsageError&) {
        throw invalid();
    }
}

} // namespace eboardctl
