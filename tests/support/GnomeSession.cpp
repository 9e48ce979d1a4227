#include "support/GnomeSession.h"

#include "support/EventLoop.h"

#include <QDBusMessage>
#include <QDBusReply>
#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QStandardPaths>
#include <chrono>
#include <csignal>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace eboard::testing {

namespace fs = std::filesystem;

namespace {

constexpr const char* kUnsafeModeUuid = "eboard-test-unsafe-mode@eboard";
constexpr const char* kAppIndicatorUuid = "ubuntu-appindicators@ubuntu.com";
const QString kBusName = QStringLiteral("eboard-gnome-session");

QString text(const fs::path& path) {
    return QString::fromStdString(path.string());
}

bool waitForFile(const fs::path& path, int timeoutMs) {
    return QTest::qWaitFor([&] { return fs::exists(path); }, timeoutMs);
}

// The processes whose environment holds exactly this entry.
std::vector<pid_t> processesWith(const std::string& entry) {
    std::vector<pid_t> found;
    for (const fs::directory_entry& dir : fs::directory_iterator("/proc")) {
        const std::string name = dir.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        std::ifstream in(dir.path() / "environ", std::ios::binary);
        const std::string environ((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
        std::size_t at = 0;
        for (std::size_t end; (end = environ.find('\0', at)) != std::string::npos; at = end + 1) {
            if (environ.compare(at, end - at, entry) == 0) {
                const pid_t pid = static_cast<pid_t>(std::stol(name));
                if (pid != ::getpid()) {
                    found.push_back(pid);
                }
                break;
            }
        }
    }
    return found;
}

} // namespace

GnomeSession::GnomeSession(QSize monitor)
    : monitor_(monitor)
    , runtime_(root_ / "run") {
    fs::create_directories(runtime_);
    ::chmod(runtime_.c_str(), 0700);
    for (const char* folder : {"home", "config/glib-2.0/settings", "cache"}) {
        fs::create_directories(root_ / folder);
    }
    // Settings in a key file: no dconf service, and the test writes them before the start.
    std::ofstream(root_ / "config/glib-2.0/settings/keyfile")
        << "[org/gnome/shell]\nenabled-extensions=['" << kUnsafeModeUuid << "', '"
        << kAppIndicatorUuid << "']\nwelcome-dialog-last-shown-version='999'\n";
    const fs::path extensions = root_ / "data/gnome-shell/extensions";
    fs::create_directories(extensions);
    fs::copy(fs::path(EBOARD_SOURCE_DIR) / "tests/support/gnome-shell-unsafe-mode",
             extensions / kUnsafeModeUuid);

    environment_ = QProcessEnvironment::systemEnvironment();
    // The session must not see the test's emulated devices, nor any display of its own.
    for (const char* name : {"LD_PRELOAD", "UMOCKDEV_DIR", "DISPLAY", "WAYLAND_DISPLAY",
                             "XAUTHORITY", "QT_QPA_PLATFORM", "QT_SCALE_FACTOR"}) {
        environment_.remove(QString::fromLatin1(name));
    }
    environment_.insert("HOME", text(root_ / "home"));
    environment_.insert("XDG_RUNTIME_DIR", text(runtime_));
    environment_.insert("XDG_CONFIG_HOME", text(root_ / "config"));
    environment_.insert("XDG_DATA_HOME", text(root_ / "data"));
    environment_.insert("XDG_CACHE_HOME", text(root_ / "cache"));
    environment_.insert("GSETTINGS_BACKEND", "keyfile");
    environment_.insert("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + text(root_ / "system.sock"));
    environment_.insert("DBUS_SESSION_BUS_ADDRESS", busAddress());
}

GnomeSession::~GnomeSession() {
    QDBusConnection::disconnectFromBus(kBusName);
    endEverything();
}

bool GnomeSession::installed() {
    return !QStandardPaths::findExecutable("gnome-shell").isEmpty();
}

QString GnomeSession::busAddress() const {
    return "unix:path=" + text(root_ / "session.sock");
}

QDBusConnection GnomeSession::bus() const {
    return QDBusConnection::connectToBus(busAddress(), kBusName);
}

bool GnomeSession::start(int timeoutMs) {
    for (auto [bus, socket] :
         {std::pair{&systemBus_, "system.sock"}, {&sessionBus_, "session.sock"}}) {
        bus->setProcessEnvironment(environment_);
        bus->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        bus->setStandardOutputFile(QProcess::nullDevice());
        bus->start("dbus-daemon",
                   {"--session", "--nofork", "--address=unix:path=" + text(root_ / socket)});
        if (!waitForFile(root_ / socket, 5000)) {
            log_ = QStringLiteral("dbus-daemon did not start");
            return false;
        }
    }
    QElapsedTimer clock;
    clock.start();
    shell_.setProcessEnvironment(environment_);
    shell_.setProcessChannelMode(QProcess::MergedChannels);
    shell_.start("gnome-shell",
                 {"--headless", "--wayland", "--virtual-monitor",
                  QStringLiteral("%1x%2").arg(monitor_.width()).arg(monitor_.height())});
    const QRegularExpression x11(QStringLiteral("Using public X11 display (:\\d+)"));
    const bool up = QTest::qWaitFor(
        [&] {
            if (shell_.state() == QProcess::NotRunning) {
                return true;
            }
            if (x11Display_.isEmpty()) {
                const QRegularExpressionMatch match = x11.match(log());
                x11Display_ = match.hasMatch() ? match.captured(1) : QString();
            }
            // Ready once its start-up animation is over, which ends by opening the overview.
            return !x11Display_.isEmpty() &&
                   eval(QStringLiteral("Main.layoutManager._startingUp")) ==
                       QStringLiteral("false");
        },
        timeoutMs);
    if (!up || shell_.state() == QProcess::NotRunning) {
        return false;
    }
    startSeconds_ = static_cast<double>(clock.elapsed()) / 1000.0;
    const QStringList auth =
        QDir(text(runtime_)).entryList({".mutter-Xwaylandauth.*"}, QDir::Files | QDir::Hidden);
    if (auth.isEmpty()) {
        log_ += QStringLiteral("\nno XWayland authority file");
        return false;
    }
    xauthority_ = text(runtime_ / auth.front().toStdString());
    return true;
}

QString GnomeSession::log() {
    log_ += QString::fromLocal8Bit(shell_.readAll());
    return log_;
}

QProcessEnvironment GnomeSession::clientEnvironment() const {
    QProcessEnvironment client = environment_;
    client.insert("DISPLAY", x11Display_);
    client.insert("XAUTHORITY", xauthority_);
    client.insert("WAYLAND_DISPLAY", "wayland-0");
    client.insert("XDG_SESSION_TYPE", "wayland");
    client.insert("XDG_CURRENT_DESKTOP", "GNOME");
    return client;
}

std::optional<QString> GnomeSession::eval(const QString& script) const {
    QDBusMessage call = QDBusMessage::createMethodCall("org.gnome.Shell", "/org/gnome/Shell",
                                                       "org.gnome.Shell", "Eval");
    call << script;
    const QDBusMessage reply = bus().call(call, QDBus::Block, 5000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 2 ||
        !reply.arguments()[0].toBool()) {
        return std::nullopt;
    }
    return reply.arguments()[1].toString();
}

bool GnomeSession::quietDesktop() const {
    // The notification that unsafe mode is on would stand over every window.
    if (!eval(QStringLiteral("Main.messageTray.getSources().forEach(s => s.destroy())")) ||
        !eval(QStringLiteral("Main.overview.hide()"))) {
        return false;
    }
    return QTest::qWaitFor(
        [this] { return eval(QStringLiteral("Main.overview.visible")) == QStringLiteral("false"); },
        5000);
}

bool GnomeSession::screenshot(const fs::path& file) const {
    // The shell takes screenshots only for its own screenshot tool's bus name.
    QDBusConnection connection = bus();
    if (!connection.registerService("org.gnome.Screenshot")) {
        return false;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall("org.gnome.Shell", "/org/gnome/Shell/Screenshot",
                                       "org.gnome.Shell.Screenshot", "Screenshot");
    call << false << false << text(file);
    const QDBusMessage reply = connection.call(call, QDBus::Block, 10000);
    connection.unregisterService("org.gnome.Screenshot");
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
           reply.arguments()[0].toBool() && fs::exists(file);
}

void GnomeSession::endEverything() {
    using namespace std::chrono_literals;
    if (shell_.state() != QProcess::NotRunning) {
        shell_.terminate();
        shell_.waitForFinished(5000);
    }
    // The helpers the shell and the buses started (XWayland, at-spi, gsd-*, gjs) carry the
    // session's runtime folder in their environment; so do the buses themselves.
    const std::string entry = "XDG_RUNTIME_DIR=" + runtime_.string();
    for (const pid_t pid : processesWith(entry)) {
        ::kill(pid, SIGTERM);
    }
    for (int i = 0; i < 30 && !processesWith(entry).empty(); ++i) {
        std::this_thread::sleep_for(100ms);
    }
    for (const pid_t pid : processesWith(entry)) {
        ::kill(pid, SIGKILL);
    }
    for (QProcess* process : {&shell_, &sessionBus_, &systemBus_}) {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
        }
        process->waitForFinished(2000);
    }
}

} // namespace eboard::testing
