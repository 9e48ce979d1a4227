#include "core/notify/SmoothValue.h"

#include "core/base/IntegerValue.h"
#include "core/notify/Names.h"

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

} // namespace eboard
