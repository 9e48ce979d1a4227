#include "core/calibration/Thresholds.h"

#include "core/base/Plist.h"
#include "support/OddFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace eboard {
namespace {

using testing::TempDir;

Thresholds parseText(const std::string& text) {
    return parseThresholds(
        std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

std::string xmlDict(const std::string& entries) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n" +
           entries + "</dict>\n</plist>\n";
}

TEST(DefaultThresholdsXml, MatchesFoundationsLayoutByteForByte) {
    EXPECT_EQ(defaultThresholdsXml(),
              testing::readText(testing::plistFixture("areaconfig-apple.xml.plist")));
}

TEST(ParseThresholds, ReadsFoundationsOwnFile) {
    const auto bytes = testing::readBytes(testing::plistFixture("areaconfig-apple.xml.plist"));
    EXPECT_EQ(parseThresholds(bytes), Thresholds::defaults());
}

TEST(ParseThresholds, AcceptsNumbersAndStringsMixed) {
    const Thresholds t = parseText(xmlDict("<key>AreaPer</key><integer>70</integer>"
                                           "<key>AreaPer1</key><string> 25 </string>"
                                           "<key>AreaPer2</key><real>12.9</real>"
                                           "<key>EdgePer</key><string>85%</string>"
                                           "<key>MaxEdge</key><integer>-3</integer>"));
    EXPECT_EQ(t, (Thresholds{70, 25, 12, 85, -3}));
}

TEST(ParseThresholds, UnreadableValuesAndMissingKeysGiveZero) {
    const Thresholds t = parseText(xmlDict("<key>AreaPer</key><string>abc</string>"
                                           "<key>AreaPer1</key><array/>"
                                           "<key>EdgePer</key><string>90</string>"));
    EXPECT_EQ(t, (Thresholds{0, 0, 0, 90, 0}));
    EXPECT_EQ(parseText("not a property list"), Thresholds{});
    EXPECT_EQ(parseText("<?xml version=\"1.0\"?><plist><array><string>65</string></array></plist>"),
              Thresholds{});
    EXPECT_EQ(parseThresholds({}), Thresholds{});
}

TEST(ParseThresholds, ReadsBinaryPropertyLists) {
    plist::Node dict{plist_new_dict()};
    plist_dict_set_item(dict.get(), "AreaPer", plist_new_uint(70));
    plist_dict_set_item(dict.get(), "AreaPer1", plist_new_real(30.7));
    plist_dict_set_item(dict.get(), "AreaPer2", plist_new_string("15"));
    plist_dict_set_item(dict.get(), "EdgePer", plist_new_real(-89.5));
    const std::vector<std::uint8_t> binary = plist::toBinary(dict.get());
    ASSERT_GT(binary.size(), 8u);
    ASSERT_EQ(std::string(binary.begin(), binary.begin() + 8), "bplist00");
    EXPECT_EQ(parseThresholds(binary), (Thresholds{70, 30, 15, -89, 0}));
}

TEST(ParseThresholds, AStringHoldingANulCharacterReadsAsZeroInsteadOfAborting) {
    // A binary property list: {AreaPer: UTF-16 "\u0000" "5", EdgePer: "90"}. libplist's string
    // getter asserts on a string holding U+0000 and so ended the reading process.
    const std::vector<std::uint8_t> binary = {
        0x62, 0x70, 0x6C, 0x69, 0x73, 0x74, 0x30, 0x30,  // bplist00
        0xD2, 0x01, 0x02, 0x03, 0x04,                    // dict of two
        0x57, 0x41, 0x72, 0x65, 0x61, 0x50, 0x65, 0x72,  // "AreaPer"
        0x57, 0x45, 0x64, 0x67, 0x65, 0x50, 0x65, 0x72,  // "EdgePer"
        0x62, 0x00, 0x00, 0x00, 0x35,                    // UTF-16 "\u00005"
        0x52, 0x39, 0x30,                                // "90"
        0x08, 0x0D, 0x15, 0x1D, 0x22,                    // offsets
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x01,  // trailer: sizes
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x05,  //   5 objects
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  //   root 0
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x25}; //   table at 37
    EXPECT_EQ(parseThresholds(binary), (Thresholds{0, 0, 0, 90, 0}));
}

TEST(LoadOrCreateThresholds, CreatesTheDefaultFileOnceAndThenReadsIt) {
    TempDir dir;
    const auto path = dir / "checkvalue.dat";
    const ThresholdsLoad first = loadOrCreateThresholds(path);
    EXPECT_TRUE(first.created);
    EXPECT_FALSE(first.writeError);
    EXPECT_EQ(first.thresholds, Thresholds::defaults());
    EXPECT_EQ(testing::readText(path), defaultThresholdsXml());

    const ThresholdsLoad second = loadOrCreateThresholds(path);
    EXPECT_FALSE(second.created);
    EXPECT_EQ(second.thresholds, Thresholds::defaults());
}

TEST(LoadOrCreateThresholds, NeverChangesAnExistingFile) {
    TempDir dir;
    const auto path = dir / "checkvalue.dat";
    const std::string edited = xmlDict("<key>AreaPer</key><string>80</string>");
    testing::writeText(path, edited);
    EXPECT_EQ(loadOrCreateThresholds(path).thresholds, (Thresholds{80, 0, 0, 0, 0}));
    EXPECT_EQ(testing::readText(path), edited);

    testing::writeText(path, "garbage");
    EXPECT_EQ(loadOrCreateThresholds(path).thresholds, Thresholds{});
    EXPECT_EQ(testing::readText(path), "garbage");
}

TEST(LoadOrCreateThresholds, NoDictionaryIsSaidOnceAndAPathThatCannotBeReadIsLeftAlone) {
    TempDir dir;
    const auto path = dir / "checkvalue.dat";
    testing::writeText(path, "garbage");
    ::testing::internal::CaptureStderr();
    const ThresholdsLoad garbage = loadOrCreateThresholds(path);
    // Said once, by the caller, from message: logging here as well made it twice.
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_TRUE(garbage.unreadable);
    EXPECT_FALSE(garbage.readError);
    EXPECT_EQ(garbage.message,
              path.string() + " is no thresholds dictionary; grading with every threshold 0");

    const auto loop = dir / "loop";
    std::filesystem::create_symlink(loop, loop);
    const ThresholdsLoad looped = loadOrCreateThresholds(loop);
    EXPECT_EQ(looped.readError, std::make_error_code(std::errc::too_many_symbolic_link_levels));
    EXPECT_FALSE(looped.created);
    EXPECT_EQ(looped.thresholds, Thresholds{});
    EXPECT_TRUE(std::filesystem::is_symlink(loop));

    const auto fifo = dir / "fifo";
    testing::makeFifo(fifo);
    const testing::HangGuard guard(5);
    const ThresholdsLoad piped = loadOrCreateThresholds(fifo);
    EXPECT_EQ(piped.message, "cannot read " + fifo.string() +
                                 " (it is a FIFO, not a regular file); grading with every "
                                 "threshold 0");
    EXPECT_FALSE(piped.created);
    EXPECT_EQ(piped.thresholds, Thresholds{});
    EXPECT_EQ(std::filesystem::status(fifo).type(), std::filesystem::file_type::fifo);
}

TEST(LoadOrCreateThresholds, AFailedWriteStillGradesWithTheDefaults) {
    TempDir dir;
    const ThresholdsLoad load = loadOrCreateThresholds(dir / "no-such-folder/checkvalue.dat");
    EXPECT_FALSE(load.created);
    EXPECT_TRUE(load.writeError);
    EXPECT_EQ(load.thresholds, Thresholds::defaults());
}

} // namespace
} // namespace eboard
