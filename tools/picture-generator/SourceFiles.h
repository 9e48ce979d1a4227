#pragma once

#include <QHash>
#include <QSize>
#include <QString>

namespace eboard::pictures {

// One language's string table, read from its Qt Linguist source file: source text to
// translation, all contexts together. Throws on an unreadable file or an unfinished entry.
class StringTable {
public:
    StringTable(const QString& tsPath, const QString& language);

    const QString& language() const { return language_; }
    // The translation of key; throws naming the key and language when there is none.
    QString text(const QString& key) const;
    // The file a picture key names in this language, checked to stay inside the folder.
    QString pictureFile(const QString& key) const;

private:
    QString language_;
    QHash<QString, QString> entries_;
};

// The size a window resource (.ui) gives the widget of that name. Throws when absent.
QSize widgetSize(const QString& uiPath, const QString& widgetName);

} // namespace eboard::pictures
