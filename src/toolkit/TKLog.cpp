#include <QFileInfo>
#include <TamsuToolKit/TKLog.h>
#include <cstdarg>
#include <syslog.h>

namespace TamsuToolKit {

QString TKLog::lineFor(const char* file, const char* function, int lineNumber,
                       const QString& message) {
    const QString fileName = QFileInfo(QString::fromUtf8(file)).fileName();
    // One multi-argument arg(): chained calls would expand "%n" found in a
    // file name substituted earlier.
    return QStringLiteral("%1:%2 %3; %4")
        .arg(fileName, QString::number(lineNumber), QString::fromUtf8(function), message);
}

void TKLog::file(const char* file, const char* function, int lineNumber, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const QString message = QString::vasprintf(format, args);
    va_end(args);
    const QByteArray line = lineFor(file, function, lineNumber, message).toUtf8();
    syslog(LOG_NOTICE, "%s", line.constData());
}

} // namespace TamsuToolKit
