#include "core/notify/SmoothValue.h"

#include "core/base/IntegerValue.h"
#include "core/base/PrintableText.h"
#include "core/notify/Names.h"

#include <algorithm>
#include <optional>

namespace eboard {

std::int32_t smoothValueOf(const UserInfo& userInfo) {
    for (const auto& [key, value] : userInfo) {
        if (key != names::kSmoothValueKey) {
            continue;
        }
        if (const auto* text = std::get_if<std::string>(&value)) {
            return saturateToInt32(integerValueOfString(*text));
        }
        if (const auto* integer = std::get_if<std::int64_t>(&value)) {
            return saturateToInt32(*integer);
        }
        return truncateToInt32(std::get<double>(value));
    }
    return 0;
}

namespace {

const NotificationValue* valueOf(const UserInfo& userInfo, std::string_view key) {
    const auto found = std::find_if(userInfo.begin(), userInfo.end(),
                                    [key](const auto& entry) { return entry.first == key; });
    return found != userInfo.end() ? &found->second : nullptr;
}

std::optional<double> numberOf(const NotificationValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) {
        return decimalValue(*text);
    }
    if (const auto* integer = std::get_if<std::int64_t>(&value)) {
        return static_cast<double>(*integer);
    }
    return std::get<double>(value);
}

} // namespace

std::variant<SmoothingChoice, std::string> smoothModeOf(const UserInfo& userInfo,
                                                        const SmoothingChoice& current) {
    SmoothingChoice choice = current;
    const NotificationValue* mode = valueOf(userInfo, names::kModeKey);
    const auto* modeName = mode != nullptr ? std::get_if<std::string>(mode) : nullptr;
    const std::optional<SmoothingMode> named =
        modeName != nullptr ? smoothingModeNamed(*modeName) : std::nullopt;
    if (!named) {
        return std::string("\"") + std::string(names::kModeKey) + "\" must be average or adaptive" +
               (modeName != nullptr ? ", not \"" + printableText(*modeName) + "\"" : "");
    }
    choice.mode = *named;
    for (const auto& [key, field] : {std::pair{names::kMinCutoffKey, &choice.adaptive.minCutoff},
                                     std::pair{names::kBetaKey, &choice.adaptive.beta}}) {
        if (const NotificationValue* value = valueOf(userInfo, key)) {
            const std::optional<double> number = numberOf(*value);
            if (!number) {
                return "\"" + std::string(key) + "\" is not a number";
            }
            *field = *number;
        }
    }
    if (!isUsable(choice.adaptive)) {
        return std::string("the min cutoff must be above 0 and beta 0 or more");
    }
    return choice;
}

} // namespace eboard
