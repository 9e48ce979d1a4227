// eboard-picture-generator: draws the calibration windows' pictures for every language
// from the translation sources, at build time.
//
//   eboard-picture-generator --translations DIR --ui DIR --output DIR
#include "Pages.h"
#include "PictureText.h"
#include "SourceFiles.h"
#include "core/layout/Pictures.h"

#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QSet>
#include <cstdio>
#include <functional>
#include <string_view>
#include <utility>

using namespace eboard::pictures;
namespace layout = eboard::layout;

namespace {

const QStringList kLanguages = {QStringLiteral("en"), QStringLiteral("zh"), QStringLiteral("ja"),
                                QStringLiteral("fr"), QStringLiteral("de")};

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
    const auto name = [](std::string_view key) { return QString::fromLatin1(key); };
    // Pictures without words: one file, whatever a language names.
    writer.write(name(layout::kBackdropPicture),
                 dialogBackdrop(widgetSize(uiFolder + QStringLiteral("/StartNormalCalibrateDlg.ui"),
                                           QStringLiteral("StartNormalCalibrateDlg"))),
                 QString());
    const QImage cross = crosshair();

    for (int localeID = 0; localeID < kLanguages.size(); ++localeID) {
        const QString& language = kLanguages[localeID];
        const StringTable strings(translations + QStringLiteral("/eboard_%1.ts").arg(language),
                                  language);
        writer.write(strings.pictureFile(name(layout::kCrosshairPicture)), cross, QString());
        // Each face once, at the size its window's layout gives the first button showing it.
        QSet<QString> drawn;
        for (const layout::ButtonFaces& button : layout::allButtonFaces()) {
            for (const auto& [face, role] : {std::pair{button.negative, Face::Secondary},
                                             std::pair{button.affirmative, Face::Primary}}) {
                if (face.picture.empty() || drawn.contains(name(face.picture))) {
                    continue;
                }
                drawn.insert(name(face.picture));
                const QSize size = widgetSize(uiFolder + QLatin1Char('/') + name(button.window) +
                                                  QStringLiteral(".ui"),
                                              name(face.widget));
                writer.write(strings.pictureFile(name(face.picture)),
                             buttonFace(size, strings.text(name(face.label)), role, language),
                             language);
            }
        }
        for (const layout::HintCode hint : layout::kHintCodes) {
            for (const layout::GradeClass grade : layout::kGradeClasses) {
                writer.write(strings.pictureFile(name(layout::resultPicture(grade, hint))),
                             resultPage(strings, localeID, grade, hint), language);
            }
            writer.write(strings.pictureFile(name(layout::advicePicture(hint))),
                         advicePage(strings, hint), language);
        }
        writer.write(strings.pictureFile(name(layout::kExcellentPicture)),
                     excellentPage(strings, localeID), language);
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
