// eboard-picture-generator: draws the calibration windows' pictures for every language
// from the translation sources, at build time.
//
//   eboard-picture-generator --translations DIR --ui DIR --output DIR
#include "Pages.h"
#include "PictureText.h"
#include "SourceFiles.h"

#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <cstdio>
#include <functional>

using namespace eboard::pictures;

namespace {

const QStringList kLanguages = {QStringLiteral("en"), QStringLiteral("zh"), QStringLiteral("ja"),
                                QStringLiteral("fr"), QStringLiteral("de")};

struct FaceSource {
    const char* key;
    const char* uiFile;
    const char* widget;
    const char* label;
    Face face;
};

// Each face at the size its window resource gives the button that shows it.
const FaceSource kFaces[] = {
    {"CP_1-btn-no.png", "StartNormalCalibrateDlg.ui", "btn_NO", "picture_button_no",
     Face::Secondary},
    {"CP_1-btn-yes.png", "StartNormalCalibrateDlg.ui", "btn_YES", "picture_button_yes",
     Face::Primary},
    {"CP_4.2-btn-fc.png", "EndNormalCalibratePoorWindow.ui", "btn_End_FinishCal",
     "picture_button_finish", Face::Secondary},
    {"CP_4.2-btn-sd.png", "EndNormalCalibratePoorWindow.ui", "btn_End_StartDia",
     "picture_button_diagnose", Face::Primary},
    {"SCPD_1-btn-c.png", "StartDiagnosisWindow.ui", "btn_cancel", "picture_button_cancel",
     Face::Secondary},
    {"SCPD_1-btn-s.png", "StartDiagnosisWindow.ui", "btn_start", "picture_button_start",
     Face::Primary},
    {"CP_4.1-btn-ok.png", "EndNormalCalibrateWindow.ui", "btn_EndNormalCal_OK", "picture_button_ok",
     Face::Primary},
};

class Writer {
public:
    explicit Writer(QString folder)
        : folder_(std::move(folder)) {}

    void write(const QString& name, const QImage& image, const QString& language) {
        const QString path = folder_ + QLatin1Char('/') + name;
        const auto previous = owners_.constFind(name);
        if (previous != owners_.constEnd() && *previous != language && !language.isEmpty()) {
            throw PictureError(QStringLiteral("languages %1 and %2 both name \"%3\"")
                                   .arg(*previous, language, name)
                                   .toStdString());
        }
        owners_.insert(name, language);
        QDir().mkpath(QFileInfo(path).path());
        if (!image.save(path, "PNG")) {
            throw PictureError(QStringLiteral("cannot write %1").arg(path).toStdString());
        }
    }
    int count() const { return int(owners_.size()); }

private:
    QString folder_;
    QHash<QString, QString> owners_;
};

void generate(const QString& translations, const QString& uiFolder, const QString& output) {
    Writer writer(output);
    // Pictures without words: one file, whatever a language names.
    writer.write(QStringLiteral("BKg.png"),
                 dialogBackdrop(widgetSize(uiFolder + QStringLiteral("/StartNormalCalibrateDlg.ui"),
                                           QStringLiteral("StartNormalCalibrateDlg"))),
                 QString());
    const QImage cross = crosshair();

    for (int localeID = 0; localeID < kLanguages.size(); ++localeID) {
        const QString& language = kLanguages[localeID];
        const StringTable strings(translations + QStringLiteral("/eboard_%1.ts").arg(language),
                                  language);
        const auto file = [&](const char* key) {
            return strings.pictureFile(QString::fromLatin1(key));
        };
        writer.write(file("CP_3-crosshair.png"), cross, QString());
        for (const FaceSource& face : kFaces) {
            const QSize size =
                widgetSize(uiFolder + QLatin1Char('/') + QString::fromLatin1(face.uiFile),
                           QString::fromLatin1(face.widget));
            writer.write(file(face.key),
                         buttonFace(size, strings.text(QString::fromLatin1(face.label)), face.face,
                                    language),
                         language);
        }
        static const char* const kSuffix[] = {"-2t", "-3ct", "-1c"};
        static const char* const kDefaultSuffix[] = {"-t", "-ct", "-c"};
        for (int code = 0; code < 3; ++code) {
            for (int grade = 1; grade <= 3; ++grade) {
                const QString key = QStringLiteral("SCPD_%1%2.png")
                                        .arg(grade + 2)
                                        .arg(QLatin1String(kSuffix[code]));
                writer.write(strings.pictureFile(key), resultPage(strings, localeID, grade, code),
                             language);
            }
            const QString neutral =
                QStringLiteral("SCPD_3%1.png").arg(QLatin1String(kDefaultSuffix[code]));
            writer.write(strings.pictureFile(neutral), resultPage(strings, localeID, 0, code),
                         language);
        }
        writer.write(file("SCPD_2.png"), excellentPage(strings, localeID), language);
        writer.write(file("SCPD_6-2t.png"), advicePage(strings, 0), language);
        writer.write(file("SCPD_6-3ct.png"), advicePage(strings, 1), language);
        writer.write(file("SCPD_6-1c.png"), advicePage(strings, 2), language);
    }
    std::printf("eboard-picture-generator: %d pictures in %s\n", writer.count(),
                qPrintable(QDir::toNativeSeparators(output)));
}

} // namespace

int main(int argc, char** argv) {
    // Drawing needs no display: the build machine may have none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Draws the calibration windows' pictures for every language."));
    parser.addHelpOption();
    const QCommandLineOption translations(QStringLiteral("translations"),
                                          QStringLiteral("Folder of the eboard_*.ts files."),
                                          QStringLiteral("DIR"));
    const QCommandLineOption ui(QStringLiteral("ui"),
                                QStringLiteral("Folder of the dialogs' .ui files."),
                                QStringLiteral("DIR"));
    const QCommandLineOption output(QStringLiteral("output"),
                                    QStringLiteral("Folder the pictures are written to."),
                                    QStringLiteral("DIR"));
    parser.addOptions({translations, ui, output});
    parser.process(application);
    if (!parser.isSet(translations) || !parser.isSet(ui) || !parser.isSet(output)) {
        std::fprintf(stderr, "eboard-picture-generator: --translations, --ui and --output are "
                             "all required\n");
        return 2;
    }
    try {
        QElapsedTimer timer;
        timer.start();
        generate(parser.value(translations), parser.value(ui), parser.value(output));
        std::printf("eboard-picture-generator: drawn in %lld ms\n",
                    static_cast<long long>(timer.elapsed()));
    } catch (const PictureError& error) {
        std::fprintf(stderr, "eboard-picture-generator: %s\n", error.what());
        return 1;
    }
    return 0;
}
