#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace eboard {

// The object string that every command and announcement of the agent carries.
inline constexpr std::string_view kCommandObject = "com.jux.command";

// Announced when a calibration or diagnosis run ends; its user information "result"
// says how ("normal-end", "poor", "excellent", "class1".."class3", "aborted",
// "not-connected", "disconnected").
inline constexpr std::string_view kCalibrateEnded = "CalibrateEnded";

// The agent's answer to "SetBoardOutput": "output" is the choice as it took it (an output
// name or "primary"), "board" the name of the output the board is on now ("" when there is
// no output at all). A named output that is not connected leaves "board" on the primary.
inline constexpr std::string_view kBoardOutput = "BoardOutput";

using NotificationValue = std::variant<std::int64_t, double, std::string>;
// A notification's user information: string keys, in the order they were added.
using UserInfo = std::vector<std::pair<std::string, NotificationValue>>;

// Announcements and commands that cross process boundaries (the session bus in the
// agent, a log line in dry runs, a recorder in tests). Delivery to observers in this
// process happens on a later pass of the main loop, never inside post.
class DistributedCenter {
public:
    virtual ~DistributedCenter() = default;
    virtual void postNotification(std::string_view name, std::string_view object,
                                  const UserInfo& userInfo) = 0;
};

// The centre in use; none (nullptr) until the application or a tool installs one,
// in which case announcements are dropped.
DistributedCenter* distributedCenter();
void setDistributedCenter(DistributedCenter* center);

} // namespace eboard
