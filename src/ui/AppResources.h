#pragma once

#include "core/layout/PageTexts.h"

#include <QLocale>
#include <QPixmap>
#include <QString>
#include <string_view>

class QCoreApplication;

namespace eboard {

// The application's resource folder: share/eboard next to the executable's bin folder
// (the same layout in the build tree and after installation). Holds "pictures" and
// "translations".
QString resourceFolder();

// A visible text by key from the application's string table; a key without an entry
// shows itself.
QString localizedString(const char* key);
// A word drawn into the calibration pictures, by key (the string table "Pictures").
QString pictureString(std::string_view key);
// A text by key from the string table the key belongs to.
QString tableString(layout::TextTable table, std::string_view key);

// The path of a picture resource. The file name is first looked up in the string table,
// so a translation can substitute its own picture. A folder named by the environment
// variable EBOARD_PICTURE_DIR is searched first.
QString picturePath(const QString& fileName);
// The picture, decoded once and then shared; a null pixmap when it cannot be loaded.
QPixmap loadPicture(const QString& fileName);
// A picture by its file name alone, for the one picture no language replaces.
QPixmap loadUntranslatedPicture(const QString& fileName);

// The one language the agent speaks, decided once for its texts, the pictures they name
// and where those pictures' click areas lie (localeID): the first of the locale's
// interface languages (for the user's locale, LANGUAGE's list comes first) that has a
// string table, else English, the development language. A table's name, such as "de".
QString agentLanguage(const QLocale& locale = QLocale());

// Installs the string table of agentLanguage(locale): eboard_<language>.qm. False when no
// table could be loaded (keys then show as is).
bool installTranslations(QCoreApplication& application, const QLocale& locale = QLocale());

} // namespace eboard
