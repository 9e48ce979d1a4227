#include "ui/AppResources.h"

#include "core/base/UiLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmapCache>
#include <QTranslator>
#include <memory>
#include <string>
#include <vector>

namespace eboard {

namespace {
constexpr char kStringTable[] = "Localizable";
constexpr char kPictureTable[] = "Pictures";
} // namespace

QString resourceFolder() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/eboard"));
}

QString localizedString(const char* key) {
    return QCoreApplication::translate(kStringTable, key);
}

QString pictureString(std::string_view key) {
    return tableString(layout::TextTable::Pictures, key);
}

QString tableString(layout::TextTable table, std::string_view key) {
    // Keys in the tables are not terminated: translate needs a terminated copy.
    const std::string terminated(key);
    return QCoreApplication::translate(
        table == layout::TextTable::Pictures ? kPictureTable : kStringTable, terminated.c_str());
}

namespace {
QString picturePathOf(const QString& name) {
    // A developer's (or a test's) pictures come before the installed ones.
    const QString own = qEnvironmentVariable("EBOARD_PICTURE_DIR");
    if (!own.isEmpty() && QFileInfo::exists(own + QLatin1Char('/') + name)) {
        return own + QLatin1Char('/') + name;
    }
    return resourceFolder() + QStringLiteral("/pictures/") + name;
}

QPixmap cachedPicture(const QString& path) {
    // Windows draw their pictures on every paint: decode each file once.
    QPixmap picture;
    if (QPixmapCache::find(path, &picture)) {
        return picture;
    }
    // Named by their suffix, the pictures need no probing by every image plugin installed,
    // which would load them all into the agent.
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    picture = QPixmap::fromImage(reader.read());
    if (!picture.isNull()) {
        QPixmapCache::insert(path, picture);
    }
    return picture;
}
} // namespace

QString picturePath(const QString& fileName) {
    const QByteArray key = fileName.toUtf8();
    return picturePathOf(localizedString(key.constData()));
}

QPixmap loadPicture(const QString& fileName) {
    return cachedPicture(picturePath(fileName));
}

QPixmap loadUntranslatedPicture(const QString& fileName) {
    return cachedPicture(picturePathOf(fileName));
}

namespace {
QString translationFolder() {
    return resourceFolder() + QStringLiteral("/translations");
}

std::vector<std::string> toStrings(const QStringList& list) {
    std::vector<std::string> strings;
    for (const QString& item : list) {
        strings.push_back(item.toStdString());
    }
    return strings;
}
} // namespace

QString agentLanguage(const QLocale& locale) {
    const QString prefix = QStringLiteral("eboard_");
    QStringList tables;
    for (const QFileInfo& file :
         QDir(translationFolder()).entryInfoList({prefix + QStringLiteral("*.qm")}, QDir::Files)) {
        tables.push_back(file.completeBaseName().mid(prefix.size()));
    }
    return QString::fromStdString(
        chooseUiLanguage(toStrings(locale.uiLanguages()), toStrings(tables)));
}

bool installTranslations(QCoreApplication& application, const QLocale& locale) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("eboard_") + agentLanguage(locale), translationFolder())) {
        return false;
    }
    // The application keeps it for the life of the process.
    translator->setParent(&application);
    return QCoreApplication::installTranslator(translator.release());
}

} // namespace eboard
