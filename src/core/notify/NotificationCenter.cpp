#include "core/notify/NotificationCenter.h"

#include <utility>

namespace eboard {

NotificationCenter& NotificationCenter::defaultCenter() {
    static NotificationCenter center;
    return center;
}

void NotificationCenter::addObserver(const void* observer, std::string_view name,
                                     Callback callback) {
    registrations_.push_back(
        Registration{observer, std::string(name), std::move(callback), nextSerial_++, false});
}

void NotificationCenter::retire(std::list<Registration>::iterator it) {
    if (postDepth_ > 0) {
        // A post may be running this very callback: mark it now, erase after the post.
        it->removed = true;
        hasRemoved_ = true;
    } else {
        registrations_.erase(it);
    }
}

void NotificationCenter::removeObserver(const void* observer, std::string_view name) {
    for (auto it = registrations_.begin(); it != registrations_.end();) {
        const auto next = std::next(it);
        if (!it->removed && it->observer == observer && it->name == name) {
            retire(it);
        }
        it = next;
    }
}

void NotificationCenter::removeObserver(const void* observer) {
    for (auto it = registrations_.begin(); it != registrations_.end();) {
        const auto next = std::next(it);
        if (!it->removed && it->observer == observer) {
            retire(it);
        }
        it = next;
    }
}

void NotificationCenter::postNotification(std::string_view name) {
    if (postTap_) {
        postTap_(name);
    }
    // Registrations made from here on carry a serial at or past this bound.
    const std::uint64_t bound = nextSerial_;
    struct DepthGuard {
        NotificationCenter& center;
        explicit DepthGuard(NotificationCenter& c)
            : center(c) {
            ++center.postDepth_;
        }
        ~DepthGuard() {
            if (--center.postDepth_ == 0) {
                center.sweepRemoved();
            }
        }
        DepthGuard(const DepthGuard&) = delete;
        DepthGuard& operator=(const DepthGuard&) = delete;
    } guard(*this);

    for (Registration& registration : registrations_) {
        if (registration.serial >= bound) {
            break; // the list is in serial order: the rest were added during this post
        }
        if (!registration.removed && registration.name == name && registration.callback) {
            registration.callback();
        }
    }
}

void NotificationCenter::sweepRemoved() {
    if (!hasRemoved_) {
        return;
    }
    hasRemoved_ = false;
    registrations_.remove_if([](const Registration& r) { return r.removed; });
}

std::size_t NotificationCenter::observerCount(std::string_view name) const {
    std::size_t count = 0;
    for (const Registration& registration : registrations_) {
        if (!registration.removed && registration.name == name) {
            ++count;
        }
    }
    return count;
}

} // namespace eboard
