#include "core/notify/AnswerPairs.h"

namespace eboard {

AnswerPairs::~AnswerPairs() {
    removeAll();
}

void AnswerPairs::registerPair(std::string_view first, Handler onFirst, std::string_view second,
                               Handler onSecond) {
    removePair(first);
    removePair(second);
    Pair& pair = pairs_.emplace_back(
        Pair{std::string(first), std::string(second), std::move(onFirst), std::move(onSecond)});
    const Pair* key = &pair;
    center_.addObserver(key, pair.first, [this, key] { answer(key, true); });
    center_.addObserver(key, pair.second, [this, key] { answer(key, false); });
}

void AnswerPairs::answer(const Pair* pair, bool first) {
    // The handler outlives the pair: it may open the next dialog and register anew.
    Handler handler = first ? pair->onFirst : pair->onSecond;
    for (auto it = pairs_.begin(); it != pairs_.end(); ++it) {
        if (&*it == pair) {
            center_.removeObserver(pair);
            pairs_.erase(it);
            break;
        }
    }
    if (handler) {
        handler();
    }
}

std::list<AnswerPairs::Pair>::iterator AnswerPairs::find(std::string_view name) {
    for (auto it = pairs_.begin(); it != pairs_.end(); ++it) {
        if (it->first == name || it->second == name) {
            return it;
        }
    }
    return pairs_.end();
}

void AnswerPairs::removePair(std::string_view name) {
    for (auto it = find(name); it != pairs_.end(); it = find(name)) {
        center_.removeObserver(&*it);
        pairs_.erase(it);
    }
}

void AnswerPairs::removeAll() {
    for (Pair& pair : pairs_) {
        center_.removeObserver(&pair);
    }
    pairs_.clear();
}

bool AnswerPairs::isRegistered(std::string_view name) const {
    for (const Pair& pair : pairs_) {
        if (pair.first == name || pair.second == name) {
            return true;
        }
    }
    return false;
}

std::vector<std::pair<std::string, std::string>> AnswerPairs::pairs() const {
    std::vector<std::pair<std::string, std::string>> result;
    for (const Pair& pair : pairs_) {
        result.emplace_back(pair.first, pair.second);
    }
    return result;
}

} // namespace eboard
