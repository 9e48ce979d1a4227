#include "core/calibration/SettingArchive.h"

#include "support/TempDir.h"

#include <bit>
#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>

namespace eboard {
namespace {

using testing::plistFixture;
using testing::TempDir;

std::array<std::uint32_t, 8> bitsOf(const SettingData& data) {
    std::array<std::uint32_t, 8> bits{};
    for (std::size_t i = 0; i < 8; ++i) {
        bits[i] = std::bit_cast<std::uint32_t>(data.value(i));
    }
    return bits;
}

std::optional<SettingData> decodeFixture(const std::string& name) {
    return decodeSettingArchive(testing::readBytes(plistFixture(name)));
}

std::optional<SettingData> decodeText(const std::string& text) {
    return decodeSettingArchive(
        std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

const SettingData kSample({12.5f, 0.1f, 1.0f, 1.0f, 0.0f, 640.25f, 100000.0f, -3.75f});

TEST(DecodeSettingArchive, FoundationArchivesDecodeBitForBit) {
    for (const char* name :
         {"settingdata-modern-sample.bplist", "settingdata-legacy-sample.bplist"}) {
        const std::optional<SettingData> decoded = decodeFixture(name);
        ASSERT_TRUE(decoded) << name;
        EXPECT_EQ(bitsOf(*decoded), bitsOf(kSample)) << name;
    }
    const std::optional<SettingData> defaults = decodeFixture("settingdata-modern-defaults.bplist");
    ASSERT_TRUE(defaults);
    EXPECT_EQ(bitsOf(*defaults), bitsOf(SettingData{}));
}

TEST(DecodeSettingArchive, OtherRealArchivesAndNonArchivesAreRefused) {
    for (const char* name :
         {"goios-nsuuid.bin", "goios-dtcpuclusterinfo.bin", "goios-primitives.bin",
          "artest-ship.scn", "scf-NSKeyedUnarchiver-ComplexTest.plist",
          "areaconfig-apple.xml.plist"}) {
        EXPECT_FALSE(decodeFixture(name)) << name;
    }
    EXPECT_FALSE(decodeText(""));
    EXPECT_FALSE(decodeText("bplist00"));
    EXPECT_FALSE(decodeText("hello, world"));
}

TEST(DecodeSettingArchive, TruncatedOrCorruptedArchivesNeverDecodeToGarbage) {
    const std::vector<std::uint8_t> good =
        testing::readBytes(plistFixture("settingdata-modern-sample.bplist"));
    for (std::size_t length = 0; length < good.size(); length += 7) {
        const auto decoded = decodeSettingArchive(std::span(good).first(length));
        if (decoded) {
            ADD_FAILURE() << "a " << length << "-byte prefix decoded";
        }
    }
    // Flipping single bytes must never crash; whatever decodes is a SettingData.
    for (std::size_t i = 8; i < good.size(); ++i) {
        std::vector<std::uint8_t> damaged = good;
        damaged[i] ^= 0xFF;
        (void)decodeSettingArchive(damaged);
    }
}

TEST(EncodeSettingArchive, RoundTripsEveryFloatBitForBit) {
    const float special[] = {0.0f,
                             -0.0f,
                             std::numeric_limits<float>::denorm_min(),
                             std::numeric_limits<float>::max(),
                             -std::numeric_limits<float>::lowest(),
                             std::numeric_limits<float>::infinity(),
                             0.1f,
                             -1024.75f};
    SettingData data;
    for (std::size_t i = 0; i < 8; ++i) {
        data.setValue(i, special[i]);
    }
    const std::optional<SettingData> decoded = decodeSettingArchive(encodeSettingArchive(data));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(bitsOf(*decoded), bitsOf(data));
}

TEST(EncodeSettingArchive, StoresFourByteRealsInAKeyedArchive) {
    const std::vector<std::uint8_t> bytes = encodeSettingArchive(kSample);
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_EQ(text.substr(0, 8), "bplist00");
    for (const char* needle :
         {"NSKeyedArchiver", "SettingData", "NSObject", "$null", "RawPoint3_Y"}) {
        EXPECT_NE(text.find(needle), std::string::npos) << needle;
    }
    // 640.25f as a 4-byte big-endian real (marker 0x22).
    EXPECT_NE(text.find(std::string("\x22\x44\x20\x10\x00", 5)), std::string::npos);
}

std::string xmlArchive(const std::string& topOrder, const std::string& fields) {
    const std::string version = "<key>$version</key><integer>100000</integer>";
    const std::string archiver = "<key>$archiver</key><string>NSKeyedArchiver</string>";
    const std::string top = "<key>$top</key><dict><key>root</key><dict><key>CF$UID</key>"
                            "<integer>1</integer></dict></dict>";
    const std::string objects =
        "<key>$objects</key><array><string>$null</string><dict>" + fields +
        "<key>$class</key><dict><key>CF$UID</key><integer>2</integer></dict></dict>"
        "<dict><key>$classname</key><string>SettingData</string><key>$classes</key><array>"
        "<string>SettingData</string><string>NSObject</string></array></dict></array>";
    const std::string body = topOrder == "legacy" ? version + objects + archiver + top
                                                  : version + archiver + top + objects;
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>" + body +
           "</dict></plist>\n";
}

TEST(DecodeSettingArchive, XmlArchivesWithIntegersAndEightByteReals) {
    const std::string fields = "<key>RawPoint0_X</key><integer>12</integer>"
                               "<key>RawPoint1_Y</key><real>0.1</real>"
                               "<key>RawPoint3_Y</key><integer>-7</integer>";
    for (const char* order : {"modern", "legacy"}) {
        const std::optional<SettingData> decoded = decodeText(xmlArchive(order, fields));
        ASSERT_TRUE(decoded) << order;
        SettingData expected;
        expected.setRaw0_X(12.0f);
        expected.setRaw1_Y(0.1f); // the 8-byte real narrows to the float nearest 0.1
        expected.setRaw3_Y(-7.0f);
        EXPECT_EQ(bitsOf(*decoded), bitsOf(expected)) << order;
    }
}

TEST(DecodeSettingArchive, MissingKeysKeepTheirDefault) {
    const std::optional<SettingData> decoded =
        decodeText(xmlArchive("modern", "<key>RawPoint0_X</key><real>512.5</real>"));
    ASSERT_TRUE(decoded);
    SettingData expected;
    expected.setRaw0_X(512.5f);
    EXPECT_EQ(*decoded, expected);
}

TEST(DecodeSettingArchive, ANonNumericValueMakesTheArchiveUnreadable) {
    EXPECT_FALSE(decodeText(xmlArchive("modern", "<key>RawPoint0_X</key><string>5</string>")));
    std::string wrongVersion = xmlArchive("modern", "");
    wrongVersion.replace(wrongVersion.find("100000"), 6, "99999");
    EXPECT_FALSE(decodeText(wrongVersion));
    std::string wrongClass = xmlArchive("modern", "");
    wrongClass.replace(wrongClass.find("<string>SettingData</string><key>"), 29,
                       "<string>Other</string><key>");
    EXPECT_FALSE(decodeText(wrongClass));
}

TEST(SettingArchiveFile, WriteThenReadRestoresTheRecord) {
    TempDir dir;
    const auto path = dir / "eBoardSetting.archive";
    ASSERT_FALSE(writeSettingArchive(path, kSample));
    const SettingArchiveLoad load = readSettingArchive(path);
    EXPECT_EQ(load.outcome, SettingArchiveLoad::Outcome::Loaded);
    EXPECT_EQ(bitsOf(load.data), bitsOf(kSample));
}

TEST(SettingArchiveFile, MissingFileKeepsTheDefaultsSilently) {
    TempDir dir;
    ::testing::internal::CaptureStderr();
    const SettingArchiveLoad load = readSettingArchive(dir / "none.archive");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(load.outcome, SettingArchiveLoad::Outcome::Missing);
    EXPECT_EQ(load.data, SettingData{});
}

TEST(SettingArchiveFile, UnreadableFileKeepsTheDefaultsAndWarnsOnceNamingIt) {
    TempDir dir;
    const auto path = dir / "eBoardSetting.archive";
    std::filesystem::copy_file(plistFixture("goios-nsuuid.bin"), path);
    ::testing::internal::CaptureStderr();
    const SettingArchiveLoad load = readSettingArchive(path);
    const std::string warning = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(load.outcome, SettingArchiveLoad::Outcome::Unreadable);
    EXPECT_EQ(load.data, SettingData{});
    EXPECT_THAT(warning, ::testing::HasSubstr(path.string()));
    EXPECT_EQ(std::count(warning.begin(), warning.end(), '\n'), 1);

    // A folder where the file should be is unreadable too, not "missing".
    const auto folder = dir / "folder.archive";
    std::filesystem::create_directory(folder);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(readSettingArchive(folder).outcome, SettingArchiveLoad::Outcome::Unreadable);
    EXPECT_THAT(::testing::internal::GetCapturedStderr(), ::testing::HasSubstr(folder.string()));
}

} // namespace
} // namespace eboard
