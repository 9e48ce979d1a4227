#include "core/calibration/RunResult.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace eboard::testing {
namespace {

TEST(RunResultTest, NamesAreUniqueReadBackAndOnlyGradedRunsComplete) {
    std::set<std::string_view> names;
    for (const RunResultInfo& info : runResults()) {
        SCOPED_TRACE(std::string(info.name));
        EXPECT_TRUE(names.insert(info.name).second);
        EXPECT_EQ(runResultNamed(info.name), info.result);
        EXPECT_EQ(runResultName(info.result), info.name);
    }
    EXPECT_EQ(names.size(), 10u);
    for (const ResultClass graded :
         {ResultClass::Excellent, ResultClass::Class1, ResultClass::Class2, ResultClass::Class3,
          ResultClass::NormalEnd, ResultClass::Poor}) {
        EXPECT_TRUE(isCompletedRun(runResultOf(graded)));
        EXPECT_EQ(runResultName(runResultOf(graded)), resultClassName(graded));
    }
    for (const RunResult failed : {RunResult::Aborted, RunResult::NotConnected,
                                   RunResult::Disconnected, RunResult::NotSaved}) {
        EXPECT_FALSE(isCompletedRun(failed));
    }
    EXPECT_EQ(runResultNamed("not-saved"), RunResult::NotSaved);
    EXPECT_EQ(runResultNamed("finished"), std::nullopt);
}

} // namespace
} // namespace eboard::testing
