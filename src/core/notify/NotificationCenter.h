#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <list>
#include <string>
#include <string_view>

namespace eboard {

// The in-process notification centre: named notifications without object or user
// information, delivered synchronously inside postNotification on the caller's thread.
//
// Delivery rules, which hold even when observers change the registrations while a post
// runs (the answer-pair handlers remove both of their registrations from inside one):
// - observers of a name run in the order they were added;
// - an observer removed during a post is not called afterwards in that post;
// - an observer added during a post is first called by the next post;
// - a post from inside an observer is delivered completely before the outer one goes on.
// Adding the same observer twice for one name registers it twice. Posting allocates
// nothing, so the report path may post on every frame.
class NotificationCenter {
public:
    using Callback = std::function<void()>;

    // The process's default centre, the one the agent's parts post on.
    static NotificationCenter& defaultCenter();

    NotificationCenter() = default;
    NotificationCenter(const NotificationCenter&) = delete;
    NotificationCenter& operator=(const NotificationCenter&) = delete;

    // observer identifies the registration for removal; it is never dereferenced.
    void addObserver(const void* observer, std::string_view name, Callback callback);
    // Removes every registration of observer for name.
    void removeObserver(const void* observer, std::string_view name);
    // Removes every registration of observer, whatever its name.
    void removeObserver(const void* observer);

    void postNotification(std::string_view name);

    // Sees every name posted, before its observers run (developer tools print the
    // traffic with it). An empty function removes it.
    using PostTap = std::function<void(std::string_view)>;
    void setPostTap(PostTap tap) { postTap_ = std::move(tap); }

    // Live registrations for name (for tests and diagnostics).
    std::size_t observerCount(std::string_view name) const;

private:
    struct Registration {
        const void* observer;
        std::string name;
        Callback callback;
        std::uint64_t serial;
        bool removed;
    };

    void retire(std::list<Registration>::iterator it);
    void sweepRemoved();

    // A list keeps every registration in place while observers add or remove others,
    // so a running post never reads a moved or destroyed callback.
    std::list<Registration> registrations_;
    std::uint64_t nextSerial_ = 0;
    int postDepth_ = 0;
    bool hasRemoved_ = false;
    PostTap postTap_;
};

} // namespace eboard
