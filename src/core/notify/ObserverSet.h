#pragma once

#include "core/notify/NotificationCenter.h"

#include <string_view>

namespace eboard {

// The observations of one owner (a window controller): everything registered through
// the set is removed when the set is destroyed, so replacing a controller ends its
// observations. Neither copyable nor movable: the set's address is the observer's key.
class ObserverSet {
public:
    explicit ObserverSet(NotificationCenter& center = NotificationCenter::defaultCenter())
        : center_(center) {}
    ~ObserverSet() { center_.removeObserver(this); }
    ObserverSet(const ObserverSet&) = delete;
    ObserverSet& operator=(const ObserverSet&) = delete;

    void observe(std::string_view name, NotificationCenter::Callback callback) {
        center_.addObserver(this, name, std::move(callback));
    }
    void stopObserving(std::string_view name) { center_.removeObserver(this, name); }
    void stopObservingAll() { center_.removeObserver(this); }

    NotificationCenter& center() const { return center_; }

private:
    NotificationCenter& center_;
};

} // namespace eboard
