// Every picture the windows ask for exists for every language, where the agent looks:
// in the build's share/eboard and, after `cmake --install`, under the prefix. Each file
// name is the one the language's compiled string table gives for the picture's key.
#include "SourceFiles.h"
#include "support/RunCommand.h"
#include "support/TempDir.h"

#include <QFileInfo>
#include <QImage>
#include <QSet>
#include <QString>
#include <QTranslator>
#include <filesystem>
#include <gtest/gtest.h>

namespace eboard::pictures {
namespace {

const char* const kLanguages[] = {"en", "zh", "ja", "fr", "de"};

// Every picture looked up through the string table, with the ones that carry words.
struct Picture {
    const char* key;
    bool hasWords;
};
const Picture kPictures[] = {
    {"CP_1-btn-no.png", true},   {"CP_1-btn-yes.png", true},    {"CP_4.2-btn-fc.png", true},
    {"CP_4.2-btn-sd.png", true}, {"SCPD_1-btn-c.png", true},    {"SCPD_1-btn-s.png", true},
    {"CP_4.1-btn-ok.png", true}, {"CP_3-crosshair.png", false}, {"SCPD_2.png", true},
    {"SCPD_3-1c.png", true},     {"SCPD_3-2t.png", true},       {"SCPD_3-3ct.png", true},
    {"SCPD_4-1c.png", true},     {"SCPD_4-2t.png", true},       {"SCPD_4-3ct.png", true},
    {"SCPD_5-1c.png", true},     {"SCPD_5-2t.png", true},       {"SCPD_5-3ct.png", true},
    {"SCPD_3-c.png", true},      {"SCPD_3-t.png", true},        {"SCPD_3-ct.png", true},
    {"SCPD_6-1c.png", true},     {"SCPD_6-2t.png", true},       {"SCPD_6-3ct.png", true},
};

const std::filesystem::path kBuildShare =
    std::filesystem::path(EBOARD_BIN_DIR).parent_path() / "share/eboard";

// The file a language's compiled string table names for key, as the agent resolves it.
QString pictureFileOf(const std::filesystem::path& share, const char* language, const char* key) {
    QTranslator table;
    EXPECT_TRUE(table.load(QStringLiteral("eboard_%1").arg(QLatin1String(language)),
                           QString::fromStdString((share / "translations").string())))
        << language;
    QString name = table.translate("Localizable", key);
    if (name.isEmpty()) {
        name = QString::fromLatin1(key);
    }
    return QString::fromStdString((share / "pictures").string()) + QLatin1Char('/') + name;
}

void expectEveryPicture(const std::filesystem::path& share) {
    ASSERT_TRUE(QFileInfo::exists(QString::fromStdString((share / "pictures/BKg.png").string())));
    for (const Picture& picture : kPictures) {
        QSet<QString> files;
        for (const char* language : kLanguages) {
            const QString file = pictureFileOf(share, language, picture.key);
            const QImage image(file);
            EXPECT_FALSE(image.isNull())
                << picture.key << " in " << language << ": " << file.toStdString();
            files.insert(file);
        }
        // A picture with words has one file per language.
        EXPECT_EQ(files.size(), picture.hasWords ? 5 : 1) << picture.key;
    }
}

TEST(PictureFiles, EveryLanguageNamesAnExistingFileForEveryPicture) {
    expectEveryPicture(kBuildShare);
}

TEST(PictureFiles, FacesHaveTheSizeOfTheirButtonsAndLanguagesDifferInWords) {
    const QString ui = QStringLiteral(EBOARD_SOURCE_DIR "/src/ui/dialogs/");
    const struct {
        const char* key;
        const char* uiFile;
        const char* widget;
    } faces[] = {{"CP_1-btn-yes.png", "AbortWindowController.ui", "btn_AbortYes"},
                 {"CP_4.2-btn-sd.png", "EndNormalCalibratePoorWindow.ui", "btn_End_StartDia"},
                 {"SCPD_1-btn-c.png", "StartDiagnosisWindow.ui", "btn_cancel"},
                 {"CP_4.1-btn-ok.png", "DeviceDoNotConnectWindow.ui", "btn_OK"}};
    for (const auto& face : faces) {
        const QSize size = widgetSize(ui + QLatin1String(face.uiFile), QLatin1String(face.widget));
        for (const char* language : kLanguages) {
            EXPECT_EQ(QImage(pictureFileOf(kBuildShare, language, face.key)).size(), size)
                << face.key << " in " << language;
        }
    }
    const QImage english(pictureFileOf(kBuildShare, "en", "SCPD_6-2t.png"));
    for (const char* language : {"zh", "ja", "fr", "de"}) {
        const QImage other(pictureFileOf(kBuildShare, language, "SCPD_6-2t.png"));
        EXPECT_EQ(other.size(), english.size()) << language;
        EXPECT_NE(other, english) << language;
    }
}

TEST(PictureFiles, AnInstalledAgentFindsEveryPicture) {
    const testing::TempDir prefix;
    const std::string build = std::filesystem::path(EBOARD_BIN_DIR).parent_path().string();
    const auto run =
        testing::runCommand("cmake --install '" + build + "' --component eboard --prefix '" +
                            prefix.path().string() + "' 2>&1");
    ASSERT_EQ(run.status, 0) << run.out;
    expectEveryPicture(prefix.path() / "share/eboard");
}

} // namespace
} // namespace eboard::pictures
