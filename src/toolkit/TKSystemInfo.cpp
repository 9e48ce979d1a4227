#include <QFile>
#include <QXmlStreamReader>
#include <TamsuToolKit/TKSystemInfo.h>

namespace TamsuToolKit {

namespace {

const QString kSystemVersionPlist =
    QStringLiteral("/System/Library/CoreServices/SystemVersion.plist");
const QString kOsRelease = QStringLiteral("/etc/os-release");

// The string value of `key` in the top-level dictionary of an XML property list.
std::optional<QString> plistString(QFile& file, const QString& key) {
    QXmlStreamReader xml(&file);
    int depth = 0;
    bool keyMatched = false;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            ++depth;
            // plist > dict > key/string: the top dictionary's entries sit at depth 3.
            if (depth != 3) {
                keyMatched = false;
                continue;
            }
            const auto name = xml.name();
            if (name == QLatin1String("key")) {
                keyMatched = xml.readElementText() == key;
                --depth;
            } else if (keyMatched && name == QLatin1String("string")) {
                return xml.readElementText();
            } else {
                keyMatched = false;
            }
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        }
    }
    return std::nullopt;
}

std::optional<QString> osReleaseVersionId(QFile& file) {
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (!line.startsWith(QLatin1String("VERSION_ID="))) {
            continue;
        }
        QString value = line.mid(int(sizeof("VERSION_ID=")) - 1);
        if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
            value.back() == value.front()) {
            value = value.mid(1, value.size() - 2);
        }
        return value;
    }
    return std::nullopt;
}

} // namespace

std::optional<TKSystemInfo::Version> TKSystemInfo::versionFromString(const QString& version) {
    const QStringList parts = version.split(u'.');
    if (parts.size() != 3) {
        return std::nullopt;
    }
    return Version{{QStringLiteral("major"), parts[0]},
                   {QStringLiteral("minor"), parts[1]},
                   {QStringLiteral("bugfix"), parts[2]}};
}

std::optional<TKSystemInfo::Version> TKSystemInfo::osVersion(const QString& systemVersionPlist,
                                                             const QString& osRelease) {
    if (QFile plist(systemVersionPlist); plist.exists()) {
        if (!plist.open(QIODevice::ReadOnly)) {
            return std::nullopt;
        }
        const auto version = plistString(plist, QStringLiteral("ProductVersion"));
        return version ? versionFromString(*version) : std::nullopt;
    }
    QFile release(osRelease);
    if (!release.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return std::nullopt;
    }
    const auto version = osReleaseVersionId(release);
    return version ? versionFromString(*version) : std::nullopt;
}

std::optional<TKSystemInfo::Version> TKSystemInfo::osVersion() {
    return osVersion(kSystemVersionPlist, kOsRelease);
}

} // namespace TamsuToolKit
