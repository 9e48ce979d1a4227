#pragma once

#include <QMap>
#include <QString>
#include <TamsuToolKit/Export.h>
#include <optional>

namespace TamsuToolKit {

// The operating system's version as {"major", "minor", "bugfix"}.
// Read from the XML property list "/System/Library/CoreServices/SystemVersion.plist"
// (string "ProductVersion") when that file exists, else from VERSION_ID of
// /etc/os-release. Only a version of exactly three dot-separated parts is
// answered; anything else, or a missing file or key, gives std::nullopt.
class TAMSUTOOLKIT_EXPORT TKSystemInfo {
public:
    using Version = QMap<QString, QString>;

    TKSystemInfo() = delete;

    static std::optional<Version> osVersion();
    // The same with the two files named, for callers that keep them elsewhere.
    static std::optional<Version> osVersion(const QString& systemVersionPlist,
                                            const QString& osRelease);
    // The three-part rule on its own.
    static std::optional<Version> versionFromString(const QString& version);
};

} // namespace TamsuToolKit
