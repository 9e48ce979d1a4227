#pragma once
// A headless GNOME Shell session of its own for a test: a private session bus, a stand-in
// system bus (the shell aborts without logind's bus), the shell on one virtual monitor
// with XWayland, its settings in a scratch folder. The shell's Eval answers (a small
// extension makes it unsafe) and its screenshots are allowed. Every process of the
// session ends with it, by PID.

#include "support/TempDir.h"

#include <QDBusConnection>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSize>
#include <QString>
#include <filesystem>
#include <optional>

namespace eboard::testing {

class GnomeSession {
public:
    explicit GnomeSession(QSize monitor = {1920, 1080});
    ~GnomeSession();
    GnomeSession(const GnomeSession&) = delete;
    GnomeSession& operator=(const GnomeSession&) = delete;

    // Whether gnome-shell is installed at all.
    static bool installed();

    // Starts the session and waits until the shell has started up (and answers Eval);
    // false (see log()) when it did not within timeoutMs.
    bool start(int timeoutMs = 45000);
    QString log();
    // Seconds from starting the shell until it had started up.
    double startSeconds() const { return startSeconds_; }

    // What an X client of the session needs: DISPLAY (XWayland), XAUTHORITY, the session
    // bus, WAYLAND_DISPLAY and XDG_RUNTIME_DIR.
    QProcessEnvironment clientEnvironment() const;
    QString x11Display() const { return x11Display_; }
    QString xauthority() const { return xauthority_; }
    QString busAddress() const;
    // The session bus, as this test process reaches it.
    QDBusConnection bus() const;

    // The result of a script in the shell, or nothing when the shell refused it.
    std::optional<QString> eval(const QString& script) const;
    // Closes the overview the shell opens at start and its start-up notifications, and
    // waits until the overview is gone.
    bool quietDesktop() const;
    // The whole screen as the shell composes it, into a PNG file.
    bool screenshot(const std::filesystem::path& file) const;

private:
    void endEverything();

    QSize monitor_;
    TempDir root_;
    std::filesystem::path runtime_;
    QProcessEnvironment environment_;
    QProcess systemBus_;
    QProcess sessionBus_;
    QProcess shell_;
    QString log_;
    QString x11Display_;
    QString xauthority_;
    double startSeconds_ = 0;
};

} // namespace eboard::testing
