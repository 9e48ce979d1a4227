#pragma once
// Common set-up for device link tests: pointer mode with an identity mapping, a recording
// pointer sink and a manual clock, and counters of the connect notifications.

#include "core/notify/NotificationCenter.h"
#include "core/pen/Clock.h"
#include "support/EventLoop.h"
#include "support/PenPipeline.h"
#include "support/RecordingPointerSink.h"

#include <dirent.h>
#include <gtest/gtest.h>

namespace eboard::testing {

inline int openDescriptorCount() {
    int count = 0;
    if (DIR* dir = ::opendir("/proc/self/fd")) {
        while (::readdir(dir) != nullptr) {
            ++count;
        }
        ::closedir(dir);
    }
    return count;
}

class LinkFixture : public ::testing::Test {
protected:
    void SetUp() override {
        preparePenPipeline(sink, clock, 1920, 1080);
        NotificationCenter& center = NotificationCenter::defaultCenter();
        center.addObserver(this, "hidConnectOK", [this] { ++connects; });
        center.addObserver(this, "hidConnectNG", [this] { ++disconnects; });
    }
    void TearDown() override {
        NotificationCenter::defaultCenter().removeObserver(this);
        setPointerSink(nullptr);
        setPointerClock(nullptr);
    }

    RecordingPointerSink sink;
    ManualClock clock{10.0};
    int connects = 0;
    int disconnects = 0;
};

} // namespace eboard::testing
