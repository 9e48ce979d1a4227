// The generator's refusals: a glyph the font lacks, a word or a paragraph too large for
// its area, an unfinished translation, a file name leaving the picture folder. Each must
// stop the build with a message naming the text and the language.
#include "PictureText.h"

#include "SourceFiles.h"
#include "support/RunCommand.h"
#include "support/TempDir.h"

#include <QString>
#include <filesystem>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace eboard::pictures {
namespace {

using ::testing::HasSubstr;

std::string refusal(const std::function<void()>& action) {
    try {
        action();
    } catch (const PictureError& error) {
        return error.what();
    }
    return {};
}

TEST(PictureText, AGlyphMissingFromTheLanguagesFontIsRefusedNamingTextAndLanguage) {
    const QFont latin = languageFont(QStringLiteral("en"), 20);
    const std::string message = refusal(
        [&] { checkGlyphs(latin, QStringLiteral("Kalibrieren 校准"), QStringLiteral("en")); });
    EXPECT_THAT(message, HasSubstr("Kalibrieren 校准"));
    EXPECT_THAT(message, HasSubstr("language en"));
    EXPECT_THAT(message, HasSubstr("U+6821"));

    // The same words in the Chinese pictures' font, and accented Latin in the Latin one.
    EXPECT_NO_THROW(checkGlyphs(languageFont(QStringLiteral("zh"), 20),
                                QStringLiteral("Kalibrieren 校准"), QStringLiteral("zh")));
    EXPECT_NO_THROW(
        checkGlyphs(latin, QStringLiteral("Schließen « Régler » „ok“"), QStringLiteral("de")));
}

TEST(PictureText, EveryLanguagesFontIsTheFamilyAskedFor) {
    for (const char* language : {"en", "zh", "ja", "fr", "de"}) {
        const QFont font = languageFont(QString::fromLatin1(language), 18, true);
        EXPECT_EQ(font.family(), languageFamily(QString::fromLatin1(language))) << language;
    }
}

TEST(PictureText, AWordWiderThanItsAreaIsRefusedRatherThanClipped) {
    const QFont font = languageFont(QStringLiteral("de"), 30);
    const std::string message = refusal([&] {
        FittedText(QStringLiteral("Kamerapositionsdiagnose"), font, QRectF(0, 0, 120, 200),
                   Qt::AlignLeft, QStringLiteral("de"));
    });
    EXPECT_THAT(message, HasSubstr("Kamerapositionsdiagnose"));
    EXPECT_THAT(message, HasSubstr("language de"));
    EXPECT_THAT(message, HasSubstr("wide"));
}

TEST(PictureText, TextTallerThanItsAreaIsRefused) {
    const QFont font = languageFont(QStringLiteral("ja"), 24);
    const QString text =
        QStringLiteral("カメラがボードを斜めから見ています。画面の中心をまっすぐ向く"
                       "ようにカメラの向きを変えてください。");
    const std::string message = refusal([&] {
        FittedText(text, font, QRectF(0, 0, 200, 40), Qt::AlignLeft, QStringLiteral("ja"));
    });
    EXPECT_THAT(message, HasSubstr("language ja"));
    EXPECT_THAT(message, HasSubstr("lines"));

    // Given room, the same text wraps between characters into several lines.
    const FittedText fitted(text, font, QRectF(0, 0, 200, 400), Qt::AlignLeft,
                            QStringLiteral("ja"));
    EXPECT_GE(fitted.lineCount(), 3);
}

TEST(SourceFiles, UnfinishedEntriesAndNamesOutsideThePictureFolderAreRefused) {
    const testing::TempDir folder;
    const auto ts = folder.path() / "eboard_fr.ts";
    testing::writeText(ts, R"(<?xml version="1.0" encoding="utf-8"?>
<TS version="2.1" language="fr_FR"><context><name>Pictures</name>
<message><source>SCPD_2.png</source><translation>../SCPD_2.png</translation></message>
<message><source>picture_button_ok</source><translation>OK</translation></message>
</context></TS>)");
    const StringTable table(QString::fromStdString(ts.string()), QStringLiteral("fr"));
    EXPECT_EQ(table.text(QStringLiteral("picture_button_ok")), QStringLiteral("OK"));
    EXPECT_THAT(refusal([&] { table.pictureFile(QStringLiteral("SCPD_2.png")); }),
                HasSubstr("inside the picture folder"));
    EXPECT_THAT(refusal([&] { table.text(QStringLiteral("picture_button_no")); }),
                HasSubstr("language fr"));

    testing::writeText(ts, R"(<?xml version="1.0" encoding="utf-8"?>
<TS version="2.1" language="fr_FR"><context><name>Pictures</name>
<message><source>picture_button_ok</source><translation type="unfinished"></translation></message>
</context></TS>)");
    EXPECT_THAT(
        refusal([&] { StringTable(QString::fromStdString(ts.string()), QStringLiteral("fr")); }),
        HasSubstr("unfinished"));
}

// The whole generator on the real sources with one German label made too long for its
// button: it exits with an error naming the text and the language and writes no face.
TEST(PictureGenerator, ALabelThatDoesNotFitStopsTheRun) {
    const testing::TempDir folder;
    const std::filesystem::path sources = EBOARD_SOURCE_DIR;
    const auto translations = folder.path() / "translations";
    std::filesystem::copy(sources / "resources/translations", translations);
    const auto german = translations / "eboard_de.ts";
    std::string text = testing::readText(german);
    const std::string okEntry =
        "<source>picture_button_ok</source>\n        <translation>OK</translation>";
    const auto at = text.find(okEntry);
    ASSERT_NE(at, std::string::npos);
    text.replace(at, okEntry.size(),
                 "<source>picture_button_ok</source>\n        <translation>Einverstanden und "
                 "weiter</translation>");
    testing::writeText(german, text);

    const auto output = folder.path() / "pictures";
    const auto run = testing::runCommand(
        std::string(EBOARD_BIN_DIR) + "/eboard-picture-generator --translations " +
        translations.string() + " --ui " + (sources / "src/ui/dialogs").string() + " --output " +
        output.string() + " 2>&1");
    EXPECT_EQ(run.status, 1) << run.out;
    EXPECT_THAT(run.out, HasSubstr("Einverstanden und weiter"));
    EXPECT_THAT(run.out, HasSubstr("language de"));
    EXPECT_FALSE(std::filesystem::exists(output / "de/CP_4.1-btn-ok.png"));
    // The languages before German were drawn in full.
    EXPECT_TRUE(std::filesystem::exists(output / "fr/CP_4.1-btn-ok.png"));
}

} // namespace
} // namespace eboard::pictures
