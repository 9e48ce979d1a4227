#include "core/notify/ProblemGate.h"

#include <gtest/gtest.h>
#include <set>
#include <string_view>

namespace eboard {
namespace {

// Two problems sharing a name or a text would show the wrong advice.
TEST(Problems, NamesAndTextKeysAreDistinct) {
    std::set<std::string_view> ids;
    std::set<std::string_view> keys;
    for (const ProblemEntry& entry : kProblems) {
        EXPECT_TRUE(ids.insert(entry.id).second) << entry.id;
        EXPECT_TRUE(keys.insert(entry.summaryKey).second) << entry.summaryKey;
        EXPECT_TRUE(keys.insert(entry.bodyKey).second) << entry.bodyKey;
        EXPECT_FALSE(entry.id.empty());
        EXPECT_EQ(&problemEntry(entry.problem), &entry);
    }
}

TEST(ProblemGate, EachProblemOncePerRunOnlyTheClickAnswerEveryTime) {
    struct Step {
        Problem problem;
        bool shown;
    };
    const Step steps[] = {
        {Problem::NoTray, true},
        {Problem::NoTray, false},
        {Problem::UnitNotReadable, true}, // another problem is not held back by the first
        {Problem::NoAnnotationApp, true},
        {Problem::NoAnnotationApp, true},
        {Problem::UnitNotReadable, false},
        {Problem::CalibrationNoArea, true},
        {Problem::CalibrationUnreadable, true},
        {Problem::CalibrationNoArea, false},
        {Problem::NoPointerBackEnd, true},
        {Problem::NoAnnotationApp, true},
        {Problem::NoPointerBackEnd, false},
        {Problem::NoTray, false},
    };
    ProblemGate gate;
    int step = 0;
    for (const Step& s : steps) {
        EXPECT_EQ(gate.admit(s.problem), s.shown)
            << "step " << step << ": " << problemEntry(s.problem).id;
        ++step;
    }
}

} // namespace
} // namespace eboard
