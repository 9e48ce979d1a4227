// The agent inside a headless GNOME Shell session with XWayland: what mutter makes of its
// full-screen screens, read back through XWayland (xprop, xwininfo) and the shell itself.
// A calibration run is driven as in the calibration road test: eboardctl asks, XTest
// clicks and keys answer, an emulated unit (umockdev) is plugged in. Skipped where
// gnome-shell is not installed.
#include "support/GnomeSession.h"

#include "core/base/DataPaths.h"
#include "core/calibration/SettingArchive.h"
#include "core/calibration/Thresholds.h"
#include "core/layout/PreviewLayout.h"
#include "support/AgentProcess.h"
#include "support/Eboardctl.h"
#include "support/MockUnitBed.h"
#include "support/OnScreen.h"
#include "support/PenPipeline.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"
#include "support/XDesktop.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

// Last: the X headers define macros that clash with Qt's.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace eboard::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Window = XDesktop::Window;

// What the window manager made of a window: its _NET_WM_STATE atoms and where it lies.
struct ManagedWindow {
    QStringList states;
    QRect geometry;
};

class GnomeSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!GnomeSession::installed()) {
            GTEST_SKIP() << "needs gnome-shell (tools/install-deps.sh installs it)";
        }
        QElapsedTimer clock;
        clock.start();
        session = std::make_unique<GnomeSession>();
        ASSERT_TRUE(session->start()) << session->log().toStdString();
        std::printf("GNOME Shell answered after %.1f s\n", session->startSeconds());
        // The shell opens its overview at start; the windows are clicked on the desktop.
        ASSERT_TRUE(session->quietDesktop());
        display = std::make_unique<ScopedEnv>("DISPLAY", session->x11Display().toStdString());
        authority = std::make_unique<ScopedEnv>("XAUTHORITY", session->xauthority().toStdString());
        desktop = std::make_unique<XDesktop>();
        ASSERT_TRUE(desktop->open());
        watcher = std::make_unique<BusWatcher>(session->busAddress());
        ASSERT_TRUE(watcher->listening());
        std::printf("session ready after %.1f s\n", static_cast<double>(clock.elapsed()) / 1000);
    }
    void TearDown() override {
        if (settingsDaemon.state() != QProcess::NotRunning) {
            settingsDaemon.kill();
            settingsDaemon.waitForFinished(2000);
        }
        if (agent && agent->running()) {
            watcher->post("Quit");
            EXPECT_EQ(agent->waitForExit(), 0);
        }
        agent.reset();
        watcher.reset();
        desktop.reset();
        session.reset();
    }

    void startAgent() {
        fs::create_directories(dataDirectory(home.path()));
        ASSERT_FALSE(writeSettingArchive(archivePath(home.path()),
                                         SettingData{{100, 100, 900, 100, 100, 700, 900, 700}}));
        writeText(thresholdsPath(home.path()), defaultThresholdsXml());
        unit = std::make_unique<MockUnit>();
        MockUnitBed::instance().plug(*unit);
        agent = std::make_unique<AgentProcess>(home.path());
        const QProcessEnvironment client = session->clientEnvironment();
        for (const char* name :
             {"DISPLAY", "XAUTHORITY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR",
              "DBUS_SESSION_BUS_ADDRESS", "XDG_SESSION_TYPE", "XDG_CURRENT_DESKTOP"}) {
            agent->environment.insert(name, client.value(name));
        }
        agent->start();
        ASSERT_TRUE(watcher->waitFor("DriverOpened", 1, 20000))
            << agent->errorOutput().toStdString();
        ASSERT_TRUE(watcher->waitFor("HN42Connected")) << agent->errorOutput().toStdString();
    }

    // A command line run against the session's display and bus.
    std::string inSession(const std::string& command) const {
        return "DISPLAY=" + session->x11Display().toStdString() +
               " XAUTHORITY=" + quoted(session->xauthority().toStdString()) +
               " DBUS_SESSION_BUS_ADDRESS=" + quoted(session->busAddress().toStdString()) + " " +
               command;
    }

    std::optional<Window> waitForWindow(const std::string& title) const {
        std::optional<Window> found;
        (void)QTest::qWaitFor(
            [&] {
                const std::vector<Window> windows = desktop->windows(XDesktop::By::Title, title);
                found = windows.empty() ? std::nullopt : std::optional(windows.front());
                return found.has_value();
            },
            15000);
        return found;
    }

    ManagedWindow managed(Window window) const {
        ManagedWindow result;
        const std::string id = std::to_string(window);
        const CommandResult state = runCommand(inSession("xprop -id " + id + " _NET_WM_STATE"));
        const QString atoms = QString::fromStdString(state.out).section('=', 1);
        for (const QString& atom : atoms.split(',', Qt::SkipEmptyParts)) {
            result.states.push_back(atom.trimmed());
        }
        const QString info =
            QString::fromStdString(runCommand(inSession("xwininfo -id " + id)).out);
        const auto number = [&info](const char* label) {
            const QRegularExpression line(QString::fromLatin1(label) +
                                          QStringLiteral(":\\s+(-?\\d+)"));
            return line.match(info).captured(1).toInt();
        };
        result.geometry = QRect(number("Absolute upper-left X"), number("Absolute upper-left Y"),
                                number("Width"), number("Height"));
        return result;
    }

    // Waits until the window lies on the whole output in the full-screen state, above
    // other windows, and the shell counts the monitor as taken by a full-screen window
    // (which is when it hides the top bar).
    void expectCoversTheOutput(const std::string& title) const {
        const std::optional<Window> window = waitForWindow(title);
        ASSERT_TRUE(window) << title << " never showed";
        ManagedWindow seen;
        const bool covers = QTest::qWaitFor(
            [&] {
                seen = managed(*window);
                return seen.geometry == QRect(0, 0, 1920, 1080) &&
                       seen.states.contains("_NET_WM_STATE_FULLSCREEN");
            },
            5000);
        EXPECT_TRUE(covers) << title << ": " << seen.states.join(' ').toStdString() << " at "
                            << seen.geometry.x() << "," << seen.geometry.y() << " "
                            << seen.geometry.width() << "x" << seen.geometry.height();
        EXPECT_TRUE(seen.states.contains("_NET_WM_STATE_ABOVE")) << title;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                return session->eval("Main.layoutManager.primaryMonitor.inFullscreen") ==
                       QStringLiteral("true");
            },
            5000))
            << title << ": the shell does not see the monitor in full screen";
    }

    // In the shell's own picture of the screen, the preview's four corner squares show:
    // nothing of the shell (its top bar) lies over the top two.
    void expectCornerSquaresShow(int scale) const {
        const fs::path file = home / "screen.png";
        const layout::PreviewLayout preview = layout::previewLayout(1920 / scale, 1080 / scale);
        std::vector<QPoint> dark;
        const bool shown = QTest::qWaitFor(
            [&] {
                dark.clear();
                const QImage screen = session->screenshot(file)
                                          ? QImage(QString::fromStdString(file.string()))
                                          : QImage();
                for (const layout::RectD& corner : preview.cornerSquares) {
                    const QPoint centre = onScreen(corner, 1080 / scale).center() * scale;
                    const QRgb pixel = screen.isNull() ? 0 : screen.pixel(centre);
                    if (qRed(pixel) + qGreen(pixel) + qBlue(pixel) <= 150) {
                        dark.push_back(centre);
                    }
                }
                return dark.empty();
            },
            5000);
        EXPECT_TRUE(shown) << dark.size() << " corner squares do not show, the first at "
                           << (dark.empty() ? 0 : dark[0].x()) << ","
                           << (dark.empty() ? 0 : dark[0].y());
    }

    // EBOARD_GNOME_SCREENSHOT names a file for the shell's picture of the whole screen (the
    // one in docs/ was taken so), once the window has painted.
    void keepScreenshot() const {
        if (const char* keep = std::getenv("EBOARD_GNOME_SCREENSHOT")) {
            QTest::qWait(1500);
            EXPECT_TRUE(session->screenshot(keep));
        }
    }

    void frame(const FrameBytes& bytes) const {
        unit->write(bytes);
        std::this_thread::sleep_for(30ms);
    }

    void walkThroughTheFullScreenScreens(int scale = 1);

    TempDir home;
    QProcess settingsDaemon;
    std::unique_ptr<GnomeSession> session;
    std::unique_ptr<ScopedEnv> display;
    std::unique_ptr<ScopedEnv> authority;
    std::unique_ptr<XDesktop> desktop;
    std::unique_ptr<BusWatcher> watcher;
    std::unique_ptr<MockUnit> unit;
    std::unique_ptr<AgentProcess> agent;
};

// The preview, the target screen and the stop page, each checked to cover the output.
void GnomeSessionTest::walkThroughTheFullScreenScreens(int scale) {
    QElapsedTimer clock;
    clock.start();
    ASSERT_NO_FATAL_FAILURE(startAgent());
    ASSERT_EQ(runCommand(inSession(eboardctlCommand("calibrate", home.path()))).status, 0);
    ASSERT_TRUE(waitForWindow("StartNormalCalibrateDlg"));
    // The start dialog is boxed (520 x 300 logical pixels, centred); its affirmative button.
    desktop->click(1920 / 2 + (-260 + 365 + 57) * scale, 1080 / 2 + (-150 + 236 + 15) * scale);

    // Each step opens the next full-screen screen.
    const struct {
        const char* screen;
        std::function<void()> next;
    } walk[] = {
        {"CalibrationPreViewWindowController",
         [&] {
             frame(noPointFrame());
             desktop->key("space");
         }},
        {"CalibrateWindowController", [&] { desktop->key("Escape"); }},
        {"AbortWindowController", [] {}},
    };
    for (const auto& step : walk) {
        SCOPED_TRACE(step.screen);
        ASSERT_NO_FATAL_FAILURE(expectCoversTheOutput(step.screen));
        if (std::string(step.screen) == "CalibrationPreViewWindowController") {
            expectCornerSquaresShow(scale);
            keepScreenshot();
        }
        step.next();
    }
    std::printf("calibration walk took %.1f s\n", static_cast<double>(clock.elapsed()) / 1000);
}

TEST_F(GnomeSessionTest, EveryFullScreenScreenOfACalibrationCoversTheWholeOutput) {
    walkThroughTheFullScreenScreens();
}

// At 200 % the top bar is twice as high (64 pixels) and Qt draws at scale 2 (XWayland's
// Xft.dpi from the session's settings daemon); the screens still cover the whole output.
TEST_F(GnomeSessionTest, EveryFullScreenScreenCoversTheWholeOutputAtScale2) {
    const std::string state =
        runCommand(
            inSession("gdbus call --session --dest org.gnome.Mutter.DisplayConfig --object-path "
                      "/org/gnome/Mutter/DisplayConfig --method "
                      "org.gnome.Mutter.DisplayConfig.GetCurrentState"))
            .out;
    const QRegularExpressionMatch serial = QRegularExpression(QStringLiteral("^\\(uint32 (\\d+),"))
                                               .match(QString::fromStdString(state));
    ASSERT_TRUE(serial.hasMatch()) << state;
    const CommandResult applied = runCommand(
        inSession("gdbus call --session --dest org.gnome.Mutter.DisplayConfig --object-path "
                  "/org/gnome/Mutter/DisplayConfig --method "
                  "org.gnome.Mutter.DisplayConfig.ApplyMonitorsConfig " +
                  serial.captured(1).toStdString() +
                  " 1 \"[(0, 0, 2.0, 0, true, [('Meta-0', '1920x1080@60.000', @a{sv} {})])]\" "
                  "\"@a{sv} {}\" 2>&1"));
    ASSERT_EQ(applied.status, 0) << applied.out;
    settingsDaemon.setProcessEnvironment(session->clientEnvironment());
    settingsDaemon.start(QStringLiteral("/usr/libexec/gsd-xsettings"), {});
    ASSERT_TRUE(settingsDaemon.waitForStarted(5000));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return runCommand(inSession("xrdb -query")).out.find("Xft.dpi:\t192") !=
                   std::string::npos;
        },
        15000))
        << runCommand(inSession("xrdb -query")).out;
    EXPECT_EQ(session->eval("Main.panel.height"), QStringLiteral("64"));
    walkThroughTheFullScreenScreens(2);
}

// GNOME shows its overview at login, when an autostarted agent may well open a window. The
// shell keeps the keyboard while its overview shows; the start dialog takes it as soon as
// the overview closes, without a click on it.
TEST_F(GnomeSessionTest, AStartDialogOpenedOverTheOverviewTakesTheKeyboardWhenItCloses) {
    ASSERT_NO_FATAL_FAILURE(startAgent());
    ASSERT_TRUE(session->eval("Main.overview.show(); true"));
    const auto overviewShows = [&] {
        return session->eval("Main.overview.visible") == QStringLiteral("true");
    };
    ASSERT_TRUE(QTest::qWaitFor(overviewShows, 5000));
    ASSERT_EQ(runCommand(inSession(eboardctlCommand("calibrate", home.path()))).status, 0);
    const std::optional<Window> dialog = waitForWindow("StartNormalCalibrateDlg");
    ASSERT_TRUE(dialog);
    // The user leaves the overview (XTest keys reach XWayland's clients, not the shell).
    ASSERT_TRUE(session->eval("Main.overview.hide(); true"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !overviewShows(); }, 5000));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return session->eval("global.display.focus_window?.title") ==
                   QStringLiteral("\"StartNormalCalibrateDlg\"");
        },
        5000))
        << session->eval("global.display.focus_window?.title").value_or("?").toStdString();
    // Escape answers the dialog No, which ends the run.
    const int ended = watcher->count("CalibrateEnded");
    desktop->key("Escape");
    EXPECT_TRUE(watcher->waitFor("CalibrateEnded", ended + 1, 5000))
        << "the key did not reach the start dialog";
}

// Another application's window in the full-screen state, as a video player or a
// presentation keeps it; it takes the focus.
class OtherFullScreenWindow {
public:
    explicit OtherFullScreenWindow(const QString& display)
        : display_(XOpenDisplay(display.toLocal8Bit().constData())) {
        if (display_ == nullptr) {
            return;
        }
        // Black: where it shows, nothing of the preview's lit corner squares does.
        window_ = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 800, 600, 0, 0,
                                      0x000000);
        XStoreName(display_, window_, "other application");
        Atom fullScreen = XInternAtom(display_, "_NET_WM_STATE_FULLSCREEN", False);
        XChangeProperty(display_, window_, XInternAtom(display_, "_NET_WM_STATE", False), XA_ATOM,
                        32, PropModeReplace, reinterpret_cast<unsigned char*>(&fullScreen), 1);
        XMapRaised(display_, window_);
        XSync(display_, False);
    }
    ~OtherFullScreenWindow() {
        if (display_ != nullptr) {
            XCloseDisplay(display_);
        }
    }
    OtherFullScreenWindow(const OtherFullScreenWindow&) = delete;
    OtherFullScreenWindow& operator=(const OtherFullScreenWindow&) = delete;

    bool opened() const { return display_ != nullptr; }

private:
    Display* display_;
    ::Window window_ = 0;
};

// A whole calibration over another application's full-screen window: each screen covers
// the output above it, keys and the pen reach the agent, and the run ends graded.
TEST_F(GnomeSessionTest, ACalibrationOverAnotherFullScreenWindowRunsToItsEnd) {
    OtherFullScreenWindow other(session->x11Display());
    ASSERT_TRUE(other.opened());
    const std::optional<Window> otherWindow = waitForWindow("other application");
    ASSERT_TRUE(otherWindow);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return managed(*otherWindow).states.contains("_NET_WM_STATE_FULLSCREEN"); }, 5000));
    ASSERT_NO_FATAL_FAILURE(startAgent());

    QProcess follower;
    QProcessEnvironment environment = session->clientEnvironment();
    environment.insert("HOME", QString::fromStdString(home.path().string()));
    follower.setProcessEnvironment(environment);
    follower.start(QStringLiteral(EBOARD_BIN_DIR "/eboardctl"),
                   {QStringLiteral("calibrate"), QStringLiteral("--wait")});
    ASSERT_TRUE(follower.waitForStarted(5000));
    ASSERT_TRUE(waitForWindow("StartNormalCalibrateDlg"));
    desktop->click(1920 / 2 - 260 + 365 + 57, 1080 / 2 - 150 + 236 + 15);
    ASSERT_NO_FATAL_FAILURE(expectCoversTheOutput("CalibrationPreViewWindowController"));
    expectCornerSquaresShow(1);
    frame(noPointFrame());
    desktop->key("space");
    ASSERT_NO_FATAL_FAILURE(expectCoversTheOutput("CalibrateWindowController"));
    // The pen on the four targets, in target order, then lifted.
    for (const auto& [x, y] : {std::pair{150, 120}, {160, 650}, {880, 110}, {890, 640}}) {
        frame(rawPointFrame(x, y));
    }
    frame(noPointFrame());
    ASSERT_TRUE(QTest::qWaitFor([&] { return follower.state() == QProcess::NotRunning; }, 15000));
    EXPECT_EQ(follower.readAllStandardOutput().trimmed().toStdString(), "normal-end");
    EXPECT_EQ(follower.exitCode(), 0);
    EXPECT_TRUE(waitForWindow("EndNormalCalibrateWindow"));
}

// At login an autostarted agent can win the race against the shell's tray: with the
// AppIndicator extension enabled only after the agent started, its item still registers.
TEST_F(GnomeSessionTest, TheTrayItemRegistersWhenTheTrayExtensionComesAfterTheAgent) {
    const QString extension = QStringLiteral("'ubuntu-appindicators@ubuntu.com'");
    const auto registeredItems = [&] {
        return runCommand(inSession("gdbus call --session --dest org.kde.StatusNotifierWatcher "
                                    "--object-path /StatusNotifierWatcher --method "
                                    "org.freedesktop.DBus.Properties.Get "
                                    "org.kde.StatusNotifierWatcher "
                                    "RegisteredStatusNotifierItems 2>&1"))
            .out;
    };
    ASSERT_TRUE(session->eval("Main.extensionManager.disableExtension(" + extension + ")"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return registeredItems().find("ServiceUnknown") != std::string::npos; }, 5000));
    ASSERT_NO_FATAL_FAILURE(startAgent());
    ASSERT_TRUE(session->eval("Main.extensionManager.enableExtension(" + extension + ")"));
    std::string items;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            items = registeredItems();
            return items.find("StatusNotifierItem") != std::string::npos;
        },
        10000))
        << items << agent->errorOutput().toStdString();
    EXPECT_TRUE(agent->errorOutput().contains("a system tray has started"));

    // The tray going away and coming back (the extension turned off and on) finds the item
    // again.
    ASSERT_TRUE(session->eval("Main.extensionManager.disableExtension(" + extension + ")"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return registeredItems().find("ServiceUnknown") != std::string::npos; }, 5000));
    ASSERT_TRUE(session->eval("Main.extensionManager.enableExtension(" + extension + ")"));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            items = registeredItems();
            return items.find("StatusNotifierItem") != std::string::npos;
        },
        10000))
        << items;
}

} // namespace
} // namespace eboard::testing
