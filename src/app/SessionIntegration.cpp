#include "app/SessionIntegration.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace eboard {

bool showScrollBarsAlways() {
    const QString gsettings = QStandardPaths::findExecutable(QStringLiteral("gsettings"));
    if (gsettings.isEmpty()) {
        return false;
    }
    return QProcess::startDetached(
        gsettings, {QStringLiteral("set"), QStringLiteral("org.gnome.desktop.interface"),
                    QStringLiteral("overlay-scrolling"), QStringLiteral("false")});
}

} // namespace eboard
