#pragma once

#include "Command.h"
#include "core/pen/Smoothing.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace eboardctl {

// Splits a subcommand's arguments into "--name value" options and positionals.
// Only the option names given are accepted; a missing value or an unknown option
// is a UsageError.
class Options {
public:
    Options(Arguments args, std::initializer_list<std::string_view> valueOptions);

    std::optional<std::string> value(std::string_view name) const;
    const std::vector<std::string_view>& positionals() const { return positionals_; }

private:
    std::vector<std::pair<std::string_view, std::string_view>> values_;
    std::vector<std::string_view> positionals_;
};

// Strict number parsing for command lines: the whole text must be the number.
float parseFloat(std::string_view text, std::string_view what);
std::int64_t parseInteger(std::string_view text, std::string_view what);

// --min-cutoff HZ and --beta B over the given parameters; unusable values are a
// UsageError.
eboard::AdaptiveSmoothing adaptiveParameters(const Options& options,
                                             eboard::AdaptiveSmoothing parameters);

struct ScreenSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};
// "WxH" with positive whole numbers.
ScreenSize parseScreenSize(std::string_view text);

} // namespace eboardctl
