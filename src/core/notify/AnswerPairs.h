#pragma once

#include "core/notify/NotificationCenter.h"

#include <cstddef>
#include <list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace eboard {

// The answers of open dialogs: two names per dialog, each with its handler. Whichever
// name is posted first removes both registrations, then runs its handler, so a dialog
// answers once. Registering a pair whose names are already taken replaces the stale
// pair first: a dialog closed behind the user's back (a removed unit) leaves its pair
// in place, and its handlers must not run a second time beside the new dialog's.
class AnswerPairs {
public:
    using Handler = NotificationCenter::Callback;

    explicit AnswerPairs(NotificationCenter& center = NotificationCenter::defaultCenter())
        : center_(center) {}
    ~AnswerPairs();
    AnswerPairs(const AnswerPairs&) = delete;
    AnswerPairs& operator=(const AnswerPairs&) = delete;

    void registerPair(std::string_view first, Handler onFirst, std::string_view second,
                      Handler onSecond);
    // Removes the pair that holds name, if any.
    void removePair(std::string_view name);
    void removeAll();

    bool isRegistered(std::string_view name) const;
    std::size_t size() const { return pairs_.size(); }
    // (first, second) of every registered pair, oldest first.
    std::vector<std::pair<std::string, std::string>> pairs() const;

private:
    struct Pair {
        std::string first;
        std::string second;
        Handler onFirst;
        Handler onSecond;
    };

    void answer(const Pair* pair, bool first);
    std::list<Pair>::iterator find(std::string_view name);

    NotificationCenter& center_;
    // A list keeps each pair's address, which is its key in the centre.
    std::list<Pair> pairs_;
};

} // namespace eboard
