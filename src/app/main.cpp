// eBoardAgent: the tray agent that turns the HN-42 camera unit's pen into a mouse.
#include "app/AgentDesktopEntry.h"
#include "app/AgentOptions.h"
#include "app/AppDelegate.h"
#include "app/DisplayCheck.h"
#include "app/ProblemNotices.h"
#include "app/StatusMenu.h"
#include "app/TrayBalloonNotifier.h"
#include "bus/AgentStatusService.h"
#include "bus/DBusDistributedCenter.h"
#include "bus/FreedesktopNotifier.h"
#include "bus/SingleInstance.h"
#include "core/base/TerminationSignals.h"
#include "ui/AppResources.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QSessionManager>
#include <QSocketNotifier>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

int runAgent(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const eboard::AgentOptionsResult parsed = eboard::parseAgentOptions(args);
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "eBoardAgent: %s\n", parsed.error.c_str());
        return 2;
    }
    if (parsed.options.showHelp) {
        std::fputs(eboard::agentUsage().c_str(), stdout);
        return 0;
    }
    if (parsed.options.showVersion) {
        std::printf("eBoardAgent %s\n", EBOARD_VERSION);
        return 0;
    }
    std::optional<std::string> platform = eboard::chosenPlatform(parsed.options.qtPlatform);
    // Qt's arguments: the agent's own, and the platform it prefers, given on the command
    // line rather than in the environment its children would inherit.
    std::vector<char*> qtArguments(argv, argv + argc);
    std::string platformOption = "-platform";
    std::string xcb = "xcb";
    if (eboard::wantsXWayland(platform)) {
        qtArguments.insert(qtArguments.begin() + 1, {platformOption.data(), xcb.data()});
        platform = xcb;
    }
    qtArguments.push_back(nullptr);
    int qtArgumentCount = static_cast<int>(qtArguments.size()) - 1;
    if (const auto problem = eboard::displayProblem(platform, parsed.options.qtDisplay)) {
        std::fprintf(stderr, "eBoardAgent: %s\n", problem->c_str());
        return 1;
    }

    QApplication app(qtArgumentCount, qtArguments.data());
    // Autostart starts the agent at login; a session manager restoring it as well would
    // start a second copy, which only finds the first running.
    QObject::connect(&app, &QGuiApplication::saveStateRequest, &app, [](QSessionManager& manager) {
        manager.setRestartHint(QSessionManager::RestartNever);
    });
    QApplication::setApplicationName(QStringLiteral("eBoardAgent"));
    QApplication::setApplicationVersion(QStringLiteral(EBOARD_VERSION));
    // An agent: closing the About window (or any dialog) must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    eboard::installTranslations(app);

    QDBusConnection connection = QDBusConnection::sessionBus();
    if (!connection.isConnected()) {
        std::fprintf(stderr,
                     "eBoardAgent: no D-Bus session bus (%s); start it inside a desktop "
                     "session or under dbus-run-session\n",
                     qPrintable(connection.lastError().message()));
        return 1;
    }
    eboard::DBusDistributedCenter center(connection);
    if (!center.listen()) {
        std::fprintf(stderr, "eBoardAgent: cannot listen for commands on the session bus\n");
        return 1;
    }
    eboard::setDistributedCenter(&center);

    eboard::StatusMenu statusMenu(center,
                                  [&connection] { return eboard::claimAgentBusName(connection); });
    // What leaves the pen dead is told on the desktop, where a user started from the menu
    // or at login looks, and not only on standard error.
    eboard::ProblemNotices notices;
    const std::string_view icon =
        eboard::desktopEntryValue(eboard::agentDesktopEntry(), "Icon").value_or("");
    notices.addNotifier(std::make_unique<eboard::FreedesktopNotifier>(
        connection, QApplication::applicationName(),
        QString::fromUtf8(icon.data(), static_cast<qsizetype>(icon.size()))));
    notices.addNotifier(std::make_unique<eboard::TrayBalloonNotifier>(
        [&statusMenu] { return statusMenu.statusItem(); }));
    statusMenu.setProblemReporter(notices.reporter());
    eboard::AppDelegate delegate(center, parsed.options);
    delegate.setProblemReporter(notices.reporter());
    QObject::connect(&app, &QCoreApplication::aboutToQuit,
                     [&delegate] { delegate.applicationWillTerminate(); });

    // A logout or `kill` ends the agent through the ordinary quit path, so the unit is
    // released; without this, SIGTERM would end the process on the spot.
    eboard::TerminationSignals terminationSignals;
    QSocketNotifier terminationNotifier(terminationSignals.fd(), QSocketNotifier::Read);
    QObject::connect(&terminationNotifier, &QSocketNotifier::activated, &app, [&] {
        terminationSignals.take();
        QCoreApplication::quit();
    });

    statusMenu.awakeFromNib();
    eboard::AgentStatusService statusService([&delegate] { return delegate.agentStatus(); });
    if (!statusMenu.terminationRequested()) {
        delegate.applicationDidFinishLaunching();
        if (!statusService.exportOn(connection)) {
            std::fprintf(stderr,
                         "eBoardAgent: cannot answer 'eboardctl status' on the session "
                         "bus (%s is taken)\n",
                         eboard::kAgentObjectPath);
        }
    }
    const int status = QApplication::exec();
    eboard::setDistributedCenter(nullptr);
    return status;
}

} // namespace

int main(int argc, char** argv) {
    // Nothing the agent did not foresee may end it with an abort: one line, status 1. The
    // objects above are gone by now, and with them every held button and the unit.
    try {
        return runAgent(argc, argv);
    } catch (const std::filesystem::filesystem_error& error) {
        std::fprintf(stderr, "eBoardAgent: %s: %s\n", error.path1().c_str(),
                     error.code().message().c_str());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "eBoardAgent: %s\n", error.what());
    }
    return 1;
}
