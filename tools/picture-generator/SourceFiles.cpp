#include "SourceFiles.h"

#include "PictureText.h"

#include <QFile>
#include <QXmlStreamReader>

namespace eboard::pictures {

namespace {
QXmlStreamReader* openXml(QFile& file, QXmlStreamReader& reader) {
    if (!file.open(QIODevice::ReadOnly)) {
        throw PictureError(QStringLiteral("cannot read %1: %2")
                               .arg(file.fileName(), file.errorString())
                               .toStdString());
    }
    reader.setDevice(&file);
    return &reader;
}
} // namespace

StringTable::StringTable(const QString& tsPath, const QString& language)
    : language_(language) {
    QFile file(tsPath);
    QXmlStreamReader xml;
    openXml(file, xml);
    QString source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            const QString translation = xml.readElementText();
            if (type == QLatin1String("unfinished") || type == QLatin1String("vanished") ||
                type == QLatin1String("obsolete")) {
                throw PictureError(QStringLiteral("%1: the entry \"%2\" is %3")
                                       .arg(tsPath, source, type)
                                       .toStdString());
            }
            entries_.insert(source, translation);
        }
    }
    if (xml.hasError()) {
        throw PictureError(QStringLiteral("%1:%2: %3")
                               .arg(tsPath)
                               .arg(xml.lineNumber())
                               .arg(xml.errorString())
                               .toStdString());
    }
}

QString StringTable::text(const QString& key) const {
    const auto found = entries_.constFind(key);
    if (found == entries_.constEnd() || found->trimmed().isEmpty()) {
        throw PictureError(
            QStringLiteral("no text for \"%1\" in language %2").arg(key, language_).toStdString());
    }
    return *found;
}

QString StringTable::pictureFile(const QString& key) const {
    QString name = text(key);
    if (name.startsWith(QLatin1Char('/')) || name.contains(QLatin1String("..")) ||
        !name.endsWith(QLatin1String(".png"))) {
        throw PictureError(QStringLiteral("language %1 names \"%2\" for the picture %3: a PNG "
                                          "file inside the picture folder is expected")
                               .arg(language_, name, key)
                               .toStdString());
    }
    return name;
}

QSize widgetSize(const QString& uiPath, const QString& widgetName) {
    QFile file(uiPath);
    QXmlStreamReader xml;
    openXml(file, xml);
    bool inWidget = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == QLatin1String("widget")) {
            inWidget = xml.attributes().value(QLatin1String("name")) == widgetName;
        } else if (inWidget && xml.name() == QLatin1String("rect")) {
            QSize size;
            while (xml.readNextStartElement()) {
                const QString field = xml.name().toString();
                const int value = xml.readElementText().toInt();
                if (field == QLatin1String("width")) {
                    size.setWidth(value);
                } else if (field == QLatin1String("height")) {
                    size.setHeight(value);
                }
            }
            if (size.isValid() && !size.isEmpty()) {
                return size;
            }
        }
    }
    throw PictureError(QStringLiteral("%1 gives no size for the widget \"%2\"")
                           .arg(uiPath, widgetName)
                           .toStdString());
}

} // namespace eboard::pictures
