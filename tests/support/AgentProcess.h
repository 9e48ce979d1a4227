#pragma once
// The real eBoardAgent as a child process with its own HOME, and a watcher of the
// command bus in the test process.

#include "bus/DBusDistributedCenter.h"
#include "support/EventLoop.h"

#include <QDBusConnection>
#include <QProcess>
#include <QStandardPaths>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace eboard::testing {

inline QString agentProgram() {
    return QStringLiteral(EBOARD_BIN_DIR "/eBoardAgent");
}

inline QString eboardctlProgram() {
    return QStringLiteral(EBOARD_BIN_DIR "/eboardctl");
}

class AgentProcess {
public:
    // home gets a bin/ folder with a silent gsettings, so the session is left alone.
    explicit AgentProcess(const std::filesystem::path& home,
                          QStringList arguments = {QStringLiteral("--pointer"),
                                                   QStringLiteral("log")})
        : arguments_(std::move(arguments)) {
        const std::filesystem::path bin = home / "bin";
        std::filesystem::create_directories(bin);
        std::ofstream(bin / "gsettings") << "#!/bin/sh\nexit 0\n";
        std::filesystem::permissions(bin / "gsettings", std::filesystem::perms::owner_all);
        environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", QString::fromStdString(home.string()));
        environment.insert("PATH",
                           QString::fromStdString(bin.string()) + ":" + environment.value("PATH"));
        environment.remove("XDG_CONFIG_HOME");
        // The test process itself runs offscreen; the agent uses the real display.
        environment.remove("QT_QPA_PLATFORM");
        process.setProgram(agentProgram());
    }
    ~AgentProcess() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }

    void start() {
        process.setProcessEnvironment(environment);
        process.setArguments(arguments_);
        process.start();
        process.waitForStarted(5000);
    }
    // Exit code, or -1 when it did not end normally within timeoutMs.
    int waitForExit(int timeoutMs = 10000) {
        if (!QTest::qWaitFor([this] { return process.state() == QProcess::NotRunning; },
                             timeoutMs)) {
            return -1;
        }
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    bool running() const { return process.state() == QProcess::Running; }
    QString errorOutput() { return QString::fromLocal8Bit(process.readAllStandardError()); }

    QProcessEnvironment environment;
    QProcess process;

private:
    QStringList arguments_;
};

// Records the names of every notification with the command object on the session bus.
class BusWatcher {
public:
    BusWatcher()
        : BusWatcher(QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                                   QStringLiteral("watcher"))) {}
    // On the bus at address instead of the test's session bus.
    explicit BusWatcher(const QString& address)
        : BusWatcher(QDBusConnection::connectToBus(address, QStringLiteral("watcher ") + address)) {
    }
    explicit BusWatcher(const QDBusConnection& connection)
        : connection_(connection)
        , center_(connection_) {
        listening_ = center_.listen();
        center_.addMonitor(
            [this](const std::string& name, const UserInfo&) { names.push_back(name); });
    }
    bool listening() const { return listening_; }

    int count(const std::string& name) const {
        int n = 0;
        for (const auto& seen : names) {
            n += seen == name ? 1 : 0;
        }
        return n;
    }
    bool waitFor(const std::string& name, int times = 1, int timeoutMs = 10000) {
        return QTest::qWaitFor([&] { return count(name) >= times; }, timeoutMs);
    }
    // Sends a command as another process would.
    void post(const char* name, const QVariantMap& userInfo = {}) {
        DBusDistributedCenter::post(connection_, QString::fromLatin1(name),
                                    QStringLiteral("com.jux.command"), userInfo);
    }

    std::vector<std::string> names;

private:
    QDBusConnection connection_;
    DBusDistributedCenter center_;
    bool listening_ = false;
};

} // namespace eboard::testing
