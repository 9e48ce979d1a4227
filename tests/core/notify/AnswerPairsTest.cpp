#include "core/notify/AnswerPairs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace eboard {
namespace {

using ::testing::ElementsAre;
using ::testing::Pair;

class AnswerPairsTest : public ::testing::Test {
protected:
    AnswerPairs::Handler record(std::string what) {
        return [this, what] { calls.push_back(what); };
    }

    NotificationCenter center;
    AnswerPairs pairs{center};
    std::vector<std::string> calls;
};

TEST_F(AnswerPairsTest, EitherAnswerRemovesBothAndRunsOnce) {
    for (const char* answer : {"StopCalYes", "StopCalNo"}) {
        calls.clear();
        pairs.registerPair("StopCalYes", record("yes"), "StopCalNo", record("no"));
        EXPECT_EQ(center.observerCount("StopCalYes"), 1u);
        EXPECT_EQ(center.observerCount("StopCalNo"), 1u);
        center.postNotification(answer);
        center.postNotification("StopCalYes");
        center.postNotification("StopCalNo");
        EXPECT_THAT(calls, ElementsAre(std::string(answer) == "StopCalYes" ? "yes" : "no"));
        EXPECT_EQ(pairs.size(), 0u);
        EXPECT_EQ(center.observerCount("StopCalYes"), 0u);
        EXPECT_EQ(center.observerCount("StopCalNo"), 0u);
    }
}

TEST_F(AnswerPairsTest, HandlerMayRegisterTheNextPairAndPostOnwards) {
    // As a dialog's answer that reopens the same dialog: the new pair must survive the
    // post that ran the old one.
    pairs.registerPair("StopCheckPositionYes", record("abandon"), "StopCheckPositionNo", [this] {
        calls.push_back("again");
        center.postNotification("ReCalibrate");
    });
    center.addObserver(this, "ReCalibrate", [this] {
        pairs.registerPair("restartCalibrationYes", record("restart"), "restartCalibrationNo",
                           record("cancel"));
    });
    center.postNotification("StopCheckPositionNo");
    EXPECT_THAT(pairs.pairs(), ElementsAre(Pair("restartCalibrationYes", "restartCalibrationNo")));
    center.postNotification("restartCalibrationNo");
    EXPECT_THAT(calls, ElementsAre("again", "cancel"));
    EXPECT_EQ(pairs.size(), 0u);
    center.removeObserver(this);
}

TEST_F(AnswerPairsTest, ReregisteringTheSameNamesReplacesTheStalePair) {
    pairs.registerPair("StopCalYes", record("stale yes"), "StopCalNo", record("stale no"));
    pairs.registerPair("StopCalYes", record("yes"), "StopCalNo", record("no"));
    EXPECT_EQ(pairs.size(), 1u);
    EXPECT_EQ(center.observerCount("StopCalNo"), 1u);
    center.postNotification("StopCalNo");
    EXPECT_THAT(calls, ElementsAre("no"));
}

TEST_F(AnswerPairsTest, DistinctPairsLiveSideBySide) {
    pairs.registerPair("DiagnosisClose", record("close"), "DiagnosisRestart", record("restart"));
    pairs.registerPair("StopResultYes", record("stop"), "StopResultNo", record("stay"));
    EXPECT_TRUE(pairs.isRegistered("DiagnosisRestart"));
    center.postNotification("StopResultYes");
    EXPECT_TRUE(pairs.isRegistered("DiagnosisClose"));
    EXPECT_FALSE(pairs.isRegistered("StopResultNo"));
    pairs.removePair("DiagnosisRestart");
    center.postNotification("DiagnosisClose");
    EXPECT_THAT(calls, ElementsAre("stop"));
}

TEST_F(AnswerPairsTest, DestroyingEndsEveryRegistration) {
    {
        AnswerPairs scoped(center);
        scoped.registerPair("ExcellentClose", record("close"), "ExcellentRestart", record("retry"));
    }
    center.postNotification("ExcellentClose");
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(center.observerCount("ExcellentRestart"), 0u);
}

} // namespace
} // namespace eboard
