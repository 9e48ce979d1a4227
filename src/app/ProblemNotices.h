#pragma once

#include "core/notify/DesktopNotifier.h"
#include "core/notify/ProblemGate.h"
#include "core/notify/Problems.h"

#include <memory>
#include <vector>

namespace eboard {

// What the desktop user is told about the problems of kProblems: each report passes the
// gate, becomes a notice in the user's language and goes out through the first notifier
// that can show it (the notification service, else the tray's balloon).
class ProblemNotices {
public:
    // Tried in the order added.
    void addNotifier(std::unique_ptr<DesktopNotifier> notifier);

    void report(const ProblemReport& report);
    // report, for the parts that find problems; valid while this object lives.
    ProblemReporter reporter();

private:
    std::vector<std::unique_ptr<DesktopNotifier>> notifiers_;
    ProblemGate gate_;
};

// The notice for a problem in the installed language, the detail in place of %1.
DesktopNotice problemNotice(const ProblemReport& report);

} // namespace eboard
