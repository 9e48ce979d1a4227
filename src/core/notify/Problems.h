#pragma once
// The problems a desktop user must be told about because they leave the pen dead or its
// calibration wrong, written once: a stable name, the string-table keys of what the user
// reads, and how often it is shown.

#include "core/notify/DesktopNotifier.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace eboard {

enum class Problem : std::uint8_t {
    NoPointerBackEnd,      // neither uinput nor an X server can move the pointer
    UnitNotReadable,       // the unit is there, its node refuses this user
    CalibrationUnreadable, // a stored calibration is there but cannot be read
    CalibrationNoArea,     // the stored corners enclose no area: every point is dropped
    NoTray,                // the desktop shows no tray icons
    NoAnnotationApp,       // Annotate was chosen and there is nothing to start
};

struct ProblemEntry {
    Problem problem;
    std::string_view id; // for logs; never changes
    // Keys of the string table ("Localizable"); a body may hold %1, the report's detail.
    std::string_view summaryKey;
    std::string_view bodyKey;
    NoticeUrgency urgency;
    // Shown at every report instead of once per run: the report answers a click, and a
    // click that shows nothing is worse than a repeated notice.
    bool everyTime;
};

inline constexpr std::array<ProblemEntry, 6> kProblems{{
    {Problem::NoPointerBackEnd, "no-pointer-back-end", "notice_noPointer_title", "notice_noPointer",
     NoticeUrgency::Critical, false},
    {Problem::UnitNotReadable, "unit-not-readable", "notice_unitNotReadable_title",
     "notice_unitNotReadable", NoticeUrgency::Critical, false},
    {Problem::CalibrationUnreadable, "calibration-unreadable", "notice_calibrationUnreadable_title",
     "notice_calibrationUnreadable", NoticeUrgency::Normal, false},
    {Problem::CalibrationNoArea, "calibration-no-area", "notice_calibrationNoArea_title",
     "notice_calibrationNoArea", NoticeUrgency::Critical, false},
    {Problem::NoTray, "no-tray", "notice_noTray_title", "notice_noTray", NoticeUrgency::Normal,
     false},
    {Problem::NoAnnotationApp, "no-annotation-app", "notice_noAnnotationApp_title",
     "notice_noAnnotationApp", NoticeUrgency::Normal, true},
}};

// The table is indexed by the enumerator.
constexpr std::size_t problemIndex(Problem problem) {
    return static_cast<std::size_t>(problem);
}
constexpr const ProblemEntry& problemEntry(Problem problem) {
    return kProblems.at(problemIndex(problem));
}

// One report of a problem: what it concerns (a device node, a file, an application's
// name) stands for %1; empty when there is nothing more to say.
struct ProblemReport {
    Problem problem;
    std::string detail;
};

// Where the parts of the agent send their reports; an empty one drops them (the parts
// log what they found in any case).
using ProblemReporter = std::function<void(const ProblemReport&)>;

} // namespace eboard
