#include "app/CompanionLauncher.h"

#include "core/base/Log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <memory>
#include <string>
#include <unistd.h>

// GIO names a struct member "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gdesktopappinfo.h>
#pragma pop_macro("signals")

namespace eboard {

namespace {

// \s, \n, \t, \r and \\ of the key file format.
QString unescapeKeyFileValue(const QString& value) {
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != u'\\' || i + 1 == value.size()) {
            out.append(c);
            continue;
        }
        const QChar next = value[++i];
        if (next == u's') {
            out.append(u' ');
        } else if (next == u'n') {
            out.append(u'\n');
        } else if (next == u't') {
            out.append(u'\t');
        } else if (next == u'r') {
            out.append(u'\r');
        } else {
            out.append(next);
        }
    }
    return out;
}

std::optional<QString> execValue(const QString& entryText) {
    bool inMainGroup = false;
    for (const QString& rawLine : entryText.split(u'\n')) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(u'[')) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!inMainGroup || !line.startsWith(QLatin1String("Exec"))) {
            continue;
        }
        const QString rest = line.mid(4).trimmed();
        if (rest.startsWith(u'=')) {
            return unescapeKeyFileValue(rest.mid(1).trimmed());
        }
    }
    return std::nullopt;
}

bool isFieldCode(const QString& argument) {
    static const QString codes = QStringLiteral("fFuUdDnNickvm");
    return argument.size() == 2 && argument[0] == u'%' && codes.contains(argument[1]);
}

struct GObjectRelease {
    void operator()(gpointer object) const { g_object_unref(object); }
};
struct GErrorRelease {
    void operator()(GError* error) const { g_error_free(error); }
};

// Launches a desktop entry as the desktop would, through GIO: field codes, TryExec,
// Path, Terminal and D-Bus activation as the Desktop Entry standard has them. NotInstalled
// when the entry cannot be used (unreadable, hidden, its TryExec program missing); Failed
// when the launch failed, which is logged.
CompanionLaunch launchDesktopEntry(const QString& path) {
    const std::unique_ptr<GDesktopAppInfo, GObjectRelease> info(
        g_desktop_app_info_new_from_filename(QFile::encodeName(path).constData()));
    if (!info) {
        return CompanionLaunch::NotInstalled;
    }
    GError* raw = nullptr;
    // Without G_SPAWN_DO_NOT_REAP_CHILD GLib reaps the child itself: no zombie is left.
    const bool launched = g_desktop_app_info_launch_uris_as_manager(
                              info.get(), nullptr, nullptr, G_SPAWN_SEARCH_PATH, nullptr, nullptr,
                              nullptr, nullptr, &raw) != FALSE;
    const std::unique_ptr<GError, GErrorRelease> error(raw);
    if (!launched) {
        logWarning("cannot start the annotation application from " + path.toStdString() + ": " +
                   (error ? error->message : "unknown error"));
    }
    return launched ? CompanionLaunch::Started : CompanionLaunch::Failed;
}

} // namespace

std::optional<QString> companionNameFromScript(std::string_view script) {
    constexpr std::string_view kTell = "tell application \"";
    const auto start = script.find(kTell);
    if (start == std::string_view::npos) {
        return std::nullopt;
    }
    const auto nameStart = start + kTell.size();
    const auto end = script.find('"', nameStart);
    if (end == std::string_view::npos || end == nameStart) {
        return std::nullopt;
    }
    const std::string_view name = script.substr(nameStart, end - nameStart);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

std::optional<QStringList> execFromDesktopEntry(const QString& entryText) {
    const std::optional<QString> exec = execValue(entryText);
    if (!exec) {
        return std::nullopt;
    }
    QStringList arguments;
    QString current;
    bool inQuotes = false;
    bool hasArgument = false;
    for (qsizetype i = 0; i < exec->size(); ++i) {
        const QChar c = (*exec)[i];
        if (inQuotes) {
            if (c == u'\\' && i + 1 < exec->size()) {
                current.append((*exec)[++i]);
            } else if (c == u'"') {
                inQuotes = false;
            } else {
                current.append(c);
            }
        } else if (c == u'"') {
            inQuotes = true;
            hasArgument = true;
        } else if (c == u' ' || c == u'\t') {
            if (hasArgument) {
                arguments.append(current);
            }
            current.clear();
            hasArgument = false;
        } else {
            current.append(c);
            hasArgument = true;
        }
    }
    if (inQuotes) {
        return std::nullopt;
    }
    if (hasArgument) {
        arguments.append(current);
    }
    QStringList command;
    for (QString& argument : arguments) {
        if (isFieldCode(argument)) {
            continue;
        }
        command.append(argument.replace(QLatin1String("%%"), QLatin1String("%")));
    }
    if (command.isEmpty()) {
        return std::nullopt;
    }
    return command;
}

bool isProgramRunning(const QString& program) {
    const QDir proc(QStringLiteral("/proc"));
    const QStringList entries = proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool isPid = false;
        entry.toLongLong(&isPid);
        if (!isPid) {
            continue;
        }
        // Another user's copy on the same machine is not this user's companion.
        if (QFileInfo(proc.filePath(entry)).ownerId() != ::getuid()) {
            continue;
        }
        // "pid (name) state ...": the name may hold blanks and parentheses, the state
        // follows the last ")". A process that has ended but not been reaped yet (Z, X)
        // runs no longer.
        QFile stat(proc.filePath(entry + QStringLiteral("/stat")));
        if (!stat.open(QIODevice::ReadOnly)) {
            continue;
        }
        const QString line = QString::fromUtf8(stat.readAll());
        const qsizetype open = line.indexOf(u'(');
        const qsizetype close = line.lastIndexOf(u')');
        if (open < 0 || close < open || close + 2 >= line.size()) {
            continue;
        }
        const QChar state = line[close + 2];
        if (state != u'Z' && state != u'X' &&
            line.mid(open + 1, close - open - 1) == program.left(15)) {
            return true;
        }
    }
    return false;
}

CompanionLaunch openCompanion(const QString& name) {
    const QString stem = name.toLower();
    const QString entryPath = QStandardPaths::locate(QStandardPaths::ApplicationsLocation,
                                                     stem + QStringLiteral(".desktop"));
    const CompanionLaunch byEntry =
        entryPath.isEmpty() ? CompanionLaunch::NotInstalled : launchDesktopEntry(entryPath);
    if (byEntry == CompanionLaunch::Started) {
        return byEntry;
    }
    const QString executable = QStandardPaths::findExecutable(stem);
    if (executable.isEmpty()) {
        return byEntry;
    }
    if (isProgramRunning(stem)) {
        return CompanionLaunch::AlreadyRunning;
    }
    if (!QProcess::startDetached(executable, {})) {
        logWarning("cannot start the annotation application " + executable.toStdString());
        return CompanionLaunch::Failed;
    }
    return CompanionLaunch::Started;
}

} // namespace eboard
