// Categories that compute values: hex colours, status codes, four-char codes,
// UUIDs, system version, log lines.
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <TamsuToolKit/FourCharCode.h>
#include <TamsuToolKit/Hex.h>
#include <TamsuToolKit/IOReturn.h>
#include <TamsuToolKit/TKLog.h>
#include <TamsuToolKit/TKSystemInfo.h>
#include <TamsuToolKit/UUID.h>
#include <gtest/gtest.h>

using namespace TamsuToolKit;

namespace {

struct HexCase {
    QString text;
    double alpha;
    double red, green, blue;
};

TEST(ToolkitHex, ColorTable) {
    const HexCase cases[] = {
        {QStringLiteral("#FF8000"), 1.0, 1.0, 128 / 255.0, 0.0},
        {QStringLiteral("0x00FF00"), 1.0, 0.0, 1.0, 0.0},
        {QStringLiteral("0X0000ff"), 1.0, 0.0, 0.0, 1.0},
        {QStringLiteral(""), 1.0, 0.0, 0.0, 0.0},
        {QString(), 1.0, 0.0, 0.0, 0.0},
        {QStringLiteral("FFF"), 1.0, 0.0, 15 / 255.0, 1.0},                    // no short form
        {QStringLiteral("AB102030"), 1.0, 16 / 255.0, 32 / 255.0, 48 / 255.0}, // top byte ignored
        {QStringLiteral("#12#34#56"), 0.5, 0x12 / 255.0, 0x34 / 255.0, 0x56 / 255.0},
        {QStringLiteral("  #ff0000"), 1.0, 1.0, 0.0, 0.0},  // leading space skipped
        {QStringLiteral("00ff00zz99"), 1.0, 0.0, 1.0, 0.0}, // stops at non-digit
        {QStringLiteral("zz"), 1.0, 0.0, 0.0, 0.0},
        {QStringLiteral("123456789"), 1.0, 1.0, 1.0, 1.0}, // overflow saturates
    };
    for (const HexCase& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const QColor color = Hex::colorWithHexColorString(c.text, c.alpha);
        EXPECT_NEAR(color.redF(), c.red, 1e-6);
        EXPECT_NEAR(color.greenF(), c.green, 1e-6);
        EXPECT_NEAR(color.blueF(), c.blue, 1e-6);
        EXPECT_NEAR(color.alphaF(), c.alpha, 1e-4); // QColor keeps 16 bits per channel
    }
    EXPECT_NEAR(Hex::colorWithHexColorString(QStringLiteral("#FF8000")).alphaF(), 1.0, 1e-6);
}

TEST(ToolkitIOReturn, MessageTable) {
    const std::int32_t noSuchDevice = static_cast<std::int32_t>(0xE00002C0u);
    EXPECT_EQ(IOReturn::stringFromIOReturnValue(0), QStringLiteral("success"));
    // Sign-extended from a signed 32-bit variable: matches.
    EXPECT_EQ(IOReturn::stringFromIOReturnValue(
                  static_cast<std::uint64_t>(static_cast<std::int64_t>(noSuchDevice))),
              QStringLiteral("no such device"));
    // The same bits zero-extended do not.
    EXPECT_TRUE(IOReturn::stringFromIOReturnValue(0xE00002C0u).isNull());
    const struct {
        std::uint32_t code;
        const char* message;
    } samples[] = {{0xE00002BC, "general error"},
                   {0xE00002CA, "I/O error"},
                   {0xE00002CC, "cannot acquire lock"},
                   {0xE00002DB, "no space for data"},
                   {0xE00002DD, "device port already exists"},
                   {0xE00002ED, "device is not responding"},
                   {0xE0000001, "unanticipated driver error"}};
    for (const auto& s : samples) {
        const auto code = static_cast<std::uint64_t>(static_cast<std::int32_t>(s.code));
        EXPECT_EQ(IOReturn::stringFromIOReturnValue(code), QString::fromUtf8(s.message));
    }
}

TEST(ToolkitIOReturn, ExactlyFiftyCodesWithTheTwoGaps) {
    int known = 0;
    for (std::uint32_t raw = 0xE0000000u; raw < 0xE0000400u; ++raw) {
        const auto code = static_cast<std::uint64_t>(static_cast<std::int32_t>(raw));
        known += IOReturn::stringFromIOReturnValue(code).isNull() ? 0 : 1;
    }
    known += IOReturn::stringFromIOReturnValue(0).isNull() ? 0 : 1;
    EXPECT_EQ(known, 50);
    for (std::uint32_t gap : {0xE00002CBu, 0xE00002DCu, 0xE00002EEu, 0xE00002BBu}) {
        const auto code = static_cast<std::uint64_t>(static_cast<std::int32_t>(gap));
        EXPECT_TRUE(IOReturn::stringFromIOReturnValue(code).isNull()) << std::hex << gap;
    }
}

TEST(ToolkitFourCharCode, BytesMostSignificantFirst) {
    EXPECT_EQ(FourCharCode::fourCharCodeString(0x41424344), QStringLiteral("ABCD"));
    EXPECT_EQ(FourCharCode::fourCharCodeString(0x7F41424344LL), QStringLiteral("ABCD"));
    EXPECT_EQ(FourCharCode::fourCharCodeString(0x80414243), QString::fromUtf8("\xC3\x84"
                                                                              "ABC"));
    EXPECT_EQ(FourCharCode::fourCharCodeString(0x41A5DBFF),
              QString::fromUtf8("A\xE2\x80\xA2\xE2\x82\xAC\xCB\x87")); // A • € ˇ
}

TEST(ToolkitUUID, FreshUpperCaseText) {
    const QRegularExpression form(
        QStringLiteral("^[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}$"));
    const QString first = UUID::UUIDString();
    EXPECT_TRUE(form.match(first).hasMatch()) << first.toStdString();
    EXPECT_NE(first, UUID::UUIDString());
}

TEST(ToolkitLog, LineFormat) {
    EXPECT_EQ(TKLog::lineFor("/a/b/engine", "run", 12, QStringLiteral("ready")),
              QStringLiteral("engine:12 run; ready"));
    EXPECT_EQ(TKLog::lineFor("plain.cpp", "f", 0, QString()), QStringLiteral("plain.cpp:0 f; "));
    // Placeholder-like text in one field must not be filled from another.
    EXPECT_EQ(TKLog::lineFor("/tmp/odd%2name%4.cpp", "g%1", 7, QStringLiteral("50%3 done")),
              QStringLiteral("odd%2name%4.cpp:7 g%1; 50%3 done"));
}

class ToolkitSystemInfo : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& content) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }
    static QByteArray plist(const QByteArray& body) {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<plist version=\"1.0\">\n<dict>\n" +
               body + "</dict>\n</plist>\n";
    }
    QString missing() const { return dir_.filePath(QStringLiteral("missing")); }

    QTemporaryDir dir_;
};

TEST_F(ToolkitSystemInfo, ThreePartProductVersion) {
    const QString path = write(QStringLiteral("v.plist"),
                               plist("\t<key>ProductName</key>\n\t<string>Mac OS X</string>\n"
                                     "\t<key>ProductVersion</key>\n\t<string>10.9.5</string>\n"));
    const auto version = TKSystemInfo::osVersion(path, missing());
    ASSERT_TRUE(version.has_value());
    EXPECT_EQ(version->value(QStringLiteral("major")), QStringLiteral("10"));
    EXPECT_EQ(version->value(QStringLiteral("minor")), QStringLiteral("9"));
    EXPECT_EQ(version->value(QStringLiteral("bugfix")), QStringLiteral("5"));
    EXPECT_EQ(version->size(), 3);
}

TEST_F(ToolkitSystemInfo, OtherShapesGiveNothing) {
    const QString twoParts = write(QStringLiteral("two.plist"),
                                   plist("<key>ProductVersion</key><string>10.10</string>"));
    EXPECT_FALSE(TKSystemInfo::osVersion(twoParts, missing()).has_value());
    const QString noKey =
        write(QStringLiteral("nokey.plist"), plist("<key>ProductName</key><string>1.2.3</string>"));
    EXPECT_FALSE(TKSystemInfo::osVersion(noKey, missing()).has_value());
    // A key of a nested dictionary is not the top-level key.
    const QString nested = write(
        QStringLiteral("nested.plist"),
        plist("<key>Inner</key><dict><key>ProductVersion</key><string>1.2.3</string></dict>"));
    EXPECT_FALSE(TKSystemInfo::osVersion(nested, missing()).has_value());
    EXPECT_FALSE(TKSystemInfo::osVersion(missing(), missing()).has_value());
}

TEST_F(ToolkitSystemInfo, FallsBackToOsReleaseUnderTheSameRule) {
    const QString three =
        write(QStringLiteral("three"), "NAME=\"Demo\"\nVERSION_ID=\"12.4.1\"\nID=demo\n");
    const auto version = TKSystemInfo::osVersion(missing(), three);
    ASSERT_TRUE(version.has_value());
    EXPECT_EQ(version->value(QStringLiteral("major")), QStringLiteral("12"));
    EXPECT_EQ(version->value(QStringLiteral("bugfix")), QStringLiteral("1"));
    const QString one = write(QStringLiteral("one"), "VERSION_ID=12\n");
    EXPECT_FALSE(TKSystemInfo::osVersion(missing(), one).has_value());
    const QString none = write(QStringLiteral("none"), "NAME=x\n");
    EXPECT_FALSE(TKSystemInfo::osVersion(missing(), none).has_value());
}

} // namespace
