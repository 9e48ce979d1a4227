#pragma once
// A command bus inside the test process: it records every post and, like the session
// bus, hands commands with the command object to the observers on a later pass of the
// event loop.

#include "core/notify/CommandBus.h"

#include <QObject>
#include <QTimer>
#include <string>
#include <utility>
#include <vector>

namespace eboard::testing {

struct PostedNotification {
    std::string name;
    std::string object;
    UserInfo userInfo;
};

class LoopbackBus final : public CommandBus {
public:
    void postNotification(std::string_view name, std::string_view object,
                          const UserInfo& userInfo) override {
        posted.push_back({std::string(name), std::string(object), userInfo});
        if (object != kCommandObject) {
            return;
        }
        // Tied to the bus's lifetime: deliveries still queued when a test ends are dropped.
        QTimer::singleShot(0, &context_,
                           [this, key = std::string(name), userInfo] { deliver(key, userInfo); });
    }
    void addObserver(std::string_view name, Observer observer) override {
        observers.emplace_back(std::string(name), std::move(observer));
    }

    std::vector<std::string> postedNames() const {
        std::vector<std::string> names;
        for (const auto& notification : posted) {
            names.push_back(notification.name);
        }
        return names;
    }

    std::vector<PostedNotification> posted;
    std::vector<std::pair<std::string, Observer>> observers;

private:
    QObject context_;

    void deliver(const std::string& name, const UserInfo& userInfo) {
        const auto snapshot = observers;
        for (const auto& [observed, observer] : snapshot) {
            if (observed == name) {
                observer(userInfo);
            }
        }
    }
};

} // namespace eboard::testing
