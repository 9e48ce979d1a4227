#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string_view>

namespace eboard {

// The application named by the first `tell application "NAME"` of a script such as
// openSkriboString; nothing when there is none.
std::optional<QString> companionNameFromScript(std::string_view script);

// The command line of a desktop entry's Exec key: key-file escapes undone, quoted
// arguments joined, field codes (%f, %U, ...) dropped. Nothing when the entry has no
// usable Exec in its [Desktop Entry] group. For checking an entry the agent writes; the
// companion itself is launched by GIO.
std::optional<QStringList> execFromDesktopEntry(const QString& entryText);

// True when a process of this user whose name is program runs.
bool isProgramRunning(const QString& program);

// What choosing the companion did.
enum class CompanionLaunch {
    Started,        // its desktop entry was launched or its executable started
    AlreadyRunning, // only the executable is there, and it runs for this user already
    NotInstalled,   // no usable desktop entry and no executable of that name
    Failed,         // it is there but would not start (logged)
};

// Brings up the companion application: its desktop entry ("<name lower-cased>.desktop"
// in the XDG application folders) is launched as the desktop launches it (GIO), which
// starts it or, for a single-instance or D-Bus activated application, raises the running
// one; without a usable entry the executable of that name on the PATH is started when it
// is not running for this user yet.
CompanionLaunch openCompanion(const QString& name);

} // namespace eboard
