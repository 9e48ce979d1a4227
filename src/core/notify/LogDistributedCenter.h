#pragma once

#include "core/notify/DistributedCenter.h"

#include <cstdio>

namespace eboard {

// Announcements as log lines, for dry runs: "notify <name>" followed by the values of
// the user information in order, e.g. "notify MoveMenu left". The stream is not owned.
class LogDistributedCenter final : public DistributedCenter {
public:
    explicit LogDistributedCenter(std::FILE* out)
        : out_(out) {}

    void postNotification(std::string_view name, std::string_view object,
                          const UserInfo& userInfo) override;

private:
    std::FILE* out_;
};

} // namespace eboard
