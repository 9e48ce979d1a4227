#pragma once
// Records, in order, the posts of some names on the default notification centre.

#include "core/notify/NotificationCenter.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace eboard::testing {

class PostRecorder {
public:
    PostRecorder(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            record(name);
        }
    }
    explicit PostRecorder(const std::vector<std::string>& names) {
        for (const std::string& name : names) {
            record(name);
        }
    }
    ~PostRecorder() { NotificationCenter::defaultCenter().removeObserver(this); }
    PostRecorder(const PostRecorder&) = delete;
    PostRecorder& operator=(const PostRecorder&) = delete;

    std::vector<std::string> posts;

private:
    void record(const std::string& name) {
        NotificationCenter::defaultCenter().addObserver(this, name,
                                                        [this, name] { posts.push_back(name); });
    }
};

} // namespace eboard::testing
