#include "core/base/IntegerValue.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace eboard {
namespace {

TEST(IntegerValueOfString, ReadsLikeFoundation) {
    EXPECT_EQ(integerValueOfString("65"), 65);
    EXPECT_EQ(integerValueOfString("  -12"), -12);
    EXPECT_EQ(integerValueOfString("+7"), 7);
    EXPECT_EQ(integerValueOfString("12abc"), 12);
    EXPECT_EQ(integerValueOfString("65.9"), 65);
    EXPECT_EQ(integerValueOfString("abc"), 0);
    EXPECT_EQ(integerValueOfString(""), 0);
    EXPECT_EQ(integerValueOfString("-"), 0);
    EXPECT_EQ(integerValueOfString("99999999999999999999999"),
              std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(integerValueOfString("-99999999999999999999999"),
              std::numeric_limits<std::int64_t>::min());
}

TEST(NumericNarrowing, SaturatesInsteadOfWrappingOrUndefinedBehaviour) {
    EXPECT_EQ(saturateToInt32(5'000'000'000), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(saturateToInt32(-5'000'000'000), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(saturateToInt32(-42), -42);
    EXPECT_EQ(truncateToInt32(2.9), 2);
    EXPECT_EQ(truncateToInt32(-2.9), -2);
    EXPECT_EQ(truncateToInt32(1e30), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(truncateToInt32(-INFINITY), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(truncateToInt32(NAN), 0);
}

} // namespace
} // namespace eboard
