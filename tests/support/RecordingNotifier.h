#pragma once

#include "core/notify/DesktopNotifier.h"

#include <vector>

namespace eboard::testing {

// A notifier that keeps what it is asked to show; while absent it shows nothing.
class RecordingNotifier final : public DesktopNotifier {
public:
    bool show(const DesktopNotice& notice) override {
        if (!present) {
            return false;
        }
        shown.push_back(notice);
        return true;
    }

    bool present = true;
    std::vector<DesktopNotice> shown;
};

} // namespace eboard::testing
