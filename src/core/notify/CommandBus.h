#pragma once

#include "core/notify/DistributedCenter.h"

#include <functional>
#include <string_view>

namespace eboard {

// The distributed centre as the agent uses it: posting, plus observers of the commands
// other processes (and the agent itself) post. Observers receive only notifications whose
// object is exactly kCommandObject, and always on a later pass of the main loop, never
// inside the posting call.
class CommandBus : public DistributedCenter {
public:
    using Observer = std::function<void(const UserInfo&)>;

    // Observers of one name run in the order they were added.
    virtual void addObserver(std::string_view name, Observer observer) = 0;
};

} // namespace eboard
