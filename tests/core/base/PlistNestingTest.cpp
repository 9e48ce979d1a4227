#include "core/base/PlistNesting.h"

#include "core/base/Plist.h"
#include "core/calibration/SettingArchive.h"
#include "core/calibration/Thresholds.h"
#include "support/HostilePlist.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace eboard {
namespace {

using testing::cyclicArraysPlist;
using testing::doublingArraysPlist;
using testing::nestedArraysPlist;

TEST(PlistNesting, ParsesUpToTheLimitAndRefusesOneLevelMore) {
    EXPECT_TRUE(plist::parse(nestedArraysPlist(plist::kMaxNesting)));
    EXPECT_FALSE(plist::parse(nestedArraysPlist(plist::kMaxNesting + 1)));
    EXPECT_FALSE(plist::parse(nestedArraysPlist(1000)));
}

TEST(PlistNesting, RefusesCyclesAndExponentialSharing) {
    EXPECT_FALSE(plist::parse(cyclicArraysPlist()));
    // Twenty levels stay within the depth limit but expand to a million nodes.
    EXPECT_TRUE(plist::parse(doublingArraysPlist(10)));
    EXPECT_FALSE(plist::parse(doublingArraysPlist(20)));
    EXPECT_FALSE(plist::binaryNestingWithin(doublingArraysPlist(60), 64));
}

TEST(PlistNesting, EveryFixtureOfOursAndFoundationsPasses) {
    for (const char* name :
         {"settingdata-modern-sample.bplist", "settingdata-legacy-sample.bplist",
          "settingdata-modern-defaults.bplist", "goios-nsuuid.bin", "goios-dtcpuclusterinfo.bin",
          "goios-primitives.bin", "artest-ship.scn", "scf-NSKeyedUnarchiver-ComplexTest.plist",
          "areaconfig-apple.xml.plist"}) {
        const std::vector<std::uint8_t> bytes = testing::readBytes(testing::plistFixture(name));
        EXPECT_TRUE(plist::binaryNestingWithin(bytes, plist::kMaxNesting)) << name;
        EXPECT_TRUE(plist::parse(bytes)) << name;
    }
}

TEST(PlistNesting, DamagedTablesAreRefusedNotRead) {
    std::vector<std::uint8_t> bytes = nestedArraysPlist(3);
    EXPECT_TRUE(plist::binaryNestingWithin(bytes, 8));
    std::vector<std::uint8_t> badTop = bytes;
    badTop[badTop.size() - 9] = 7; // top object beyond the three there are
    EXPECT_FALSE(plist::binaryNestingWithin(badTop, 8));
    std::vector<std::uint8_t> badReference = bytes;
    badReference[9] = 0xEE; // the first array's one reference
    EXPECT_FALSE(plist::binaryNestingWithin(badReference, 8));
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        const auto prefix = std::span(bytes).first(length);
        EXPECT_FALSE(plist::binaryNestingWithin(prefix, 8) && length > 8) << length;
    }
}

// The file that used to overflow the stack: 140,000 levels in under 1 MiB.
TEST(PlistNesting, DeepFileIsNoArchiveAndNoThresholds) {
    const std::vector<std::uint8_t> deep = nestedArraysPlist(140000);
    ASSERT_LT(deep.size(), std::size_t{1} << 20);
    EXPECT_FALSE(decodeSettingArchive(deep));
    EXPECT_EQ(parseThresholds(deep), Thresholds{});

    testing::TempDir folder;
    testing::writeBytes(folder / "deep.archive", deep);
    EXPECT_EQ(readSettingArchive(folder / "deep.archive").outcome,
              SettingArchiveLoad::Outcome::Unreadable);
}

} // namespace
} // namespace eboard
