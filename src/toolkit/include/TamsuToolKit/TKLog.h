#pragma once

#include <QString>
#include <TamsuToolKit/Export.h>

namespace TamsuToolKit {

// Logging helper. Lines go to syslog(3) as "<file name>:<line> <function>; <message>".
// The platform's object-aware format becomes printf-style formatting: pass
// qPrintable(...) for a QString argument.
class TAMSUTOOLKIT_EXPORT TKLog {
public:
    TKLog() = delete;

    static void file(const char* file, const char* function, int lineNumber, const char* format,
                     ...) __attribute__((format(printf, 4, 5)));

    // The line `file` writes, without writing it.
    static QString lineFor(const char* file, const char* function, int lineNumber,
                           const QString& message);
};

} // namespace TamsuToolKit

#define TKLOG(...) ::TamsuToolKit::TKLog::file(__FILE__, __func__, __LINE__, __VA_ARGS__)
