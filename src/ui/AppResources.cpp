#include "ui/AppResources.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmapCache>
#include <QTranslator>
#include <memory>

namespace eboard {

namespace {
constexpr char kStringTable[] = "Localizable";
}

QString resourceFolder() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/eboard"));
}

QString localizedString(const char* key) {
    return QCoreApplication::translate(kStringTable, key);
}

QString picturePath(const QString& fileName) {
    const QByteArray key = fileName.toUtf8();
    return resourceFolder() + QStringLiteral("/pictures/") + localizedString(key.constData());
}

QPixmap loadPicture(const QString& fileName) {
    // Windows draw their pictures on every paint: decode each file once.
    const QString path = picturePath(fileName);
    QPixmap picture;
    if (!QPixmapCache::find(path, &picture) && picture.load(path)) {
        QPixmapCache::insert(path, picture);
    }
    return picture;
}

bool installTranslations(QCoreApplication& application, const QLocale& locale) {
    const QString folder = resourceFolder() + QStringLiteral("/translations");
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, QStringLiteral("eboard"), QStringLiteral("_"), folder) &&
        !translator->load(QStringLiteral("eboard_en"), folder)) {
        return false;
    }
    // The application keeps it for the life of the process.
    translator->setParent(&application);
    return QCoreApplication::installTranslator(translator.release());
}

} // namespace eboard
