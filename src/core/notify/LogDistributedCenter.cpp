#include "core/notify/LogDistributedCenter.h"

#include <cinttypes>

namespace eboard {

namespace {

void printValue(std::FILE* out, const NotificationValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) {
        std::fprintf(out, " %s", text->c_str());
    } else if (const auto* integer = std::get_if<std::int64_t>(&value)) {
        std::fprintf(out, " %" PRId64, *integer);
    } else {
        std::fprintf(out, " %g", std::get<double>(value));
    }
}

} // namespace

void LogDistributedCenter::postNotification(std::string_view name, std::string_view /*object*/,
                                            const UserInfo& userInfo) {
    std::fprintf(out_, "notify %.*s", static_cast<int>(name.size()), name.data());
    for (const auto& entry : userInfo) {
        printValue(out_, entry.second);
    }
    std::fputc('\n', out_);
}

} // namespace eboard
