#include "core/base/PrintableText.h"

#include <gtest/gtest.h>

namespace eboard {
namespace {

TEST(PrintableText, ControlBytesBecomeEscapesAndNothingElseChanges) {
    EXPECT_EQ(printableText("Quit\nHN42DisConnected"), "Quit\\nHN42DisConnected");
    EXPECT_EQ(printableText("\x1b[2J\t\r\x07\x7f"), "\\e[2J\\t\\r\\x07\\x7f");
    EXPECT_EQ(printableText(std::string_view("a\0b", 3)), "a\\x00b");
    EXPECT_EQ(printableText("C:\\n"), "C:\\\\n"); // a real backslash stays distinguishable
    EXPECT_EQ(printableText("Kalibrierung über Ecken ✓"), "Kalibrierung über Ecken ✓");
}

TEST(PrintableText, C1ControlsAndBrokenUtf8AreEscaped) {
    EXPECT_EQ(printableText("\xc2\x9b"
                            "31m"),
              "\\u009b31m"); // CSI in its UTF-8 form
    EXPECT_EQ(printableText("\x9b"), "\\x9b");
    EXPECT_EQ(printableText("\xc0\xaf"), "\\xc0\\xaf");          // overlong
    EXPECT_EQ(printableText("\xed\xa0\x80"), "\\xed\\xa0\\x80"); // a surrogate
    EXPECT_EQ(printableText("\xe2\x9c"), "\\xe2\\x9c");          // cut short
}

TEST(PrintableText, LongTextIsCutAndSaysHowLongItWas) {
    const std::string huge(2'000'000, 'x');
    const std::string shown = printableText(huge, 40);
    EXPECT_EQ(shown, std::string(40, 'x') + "... (2000000 bytes in all)");
    EXPECT_EQ(printableText("short", 40), "short");
}

} // namespace
} // namespace eboard
