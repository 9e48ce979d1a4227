// The agent as users run it: a child process on the session bus and the X display.
#include "core/base/DataPaths.h"
#include "core/calibration/SettingArchive.h"
#include "support/AgentTest.h"
#include "support/NotificationServiceDouble.h"
#include "support/OddFiles.h"
#include "support/XDesktop.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>
#include <unistd.h>

namespace eboard::testing {
namespace {

namespace fs = std::filesystem;

class AgentProcessTest : public AgentTest {
protected:
    int aboutWindows() const {
        return static_cast<int>(desktop.windows(XDesktop::By::Title, "About").size());
    }
    // The windows of the agent that are on screen: the tray icon, and the menu once open.
    int visibleAgentWindows() const {
        return static_cast<int>(desktop.windows(XDesktop::By::Class, "eBoardAgent").size());
    }

    XDesktop desktop;
};

TEST_F(AgentProcessTest, FirstRunAnnouncesItselfAndCreatesItsFilesTheSecondDoesNot) {
    const fs::path autostart = home / ".config/autostart/eBoardAgent.desktop";
    {
        AgentProcess agent(home.path());
        agent.start();
        ASSERT_TRUE(watcher.waitFor("DriverOpened")) << agent.errorOutput().toStdString();
        ASSERT_TRUE(QTest::qWaitFor([&] { return fs::exists(autostart); }));
        EXPECT_TRUE(fs::is_directory(home / "Library/HN-42_driver"));
        EXPECT_NE(readText(autostart).find("Exec=" + agentProgram().toStdString() + "\n"),
                  std::string::npos);
        watcher.post("Quit");
        EXPECT_EQ(agent.waitForExit(), 0);
    }
    fs::remove(autostart);
    {
        AgentProcess agent(home.path());
        agent.start();
        ASSERT_TRUE(watcher.waitFor("DriverOpened", 2));
        // Quit is handled by the main loop, so launch has finished when the agent ends.
        watcher.post("Quit");
        EXPECT_EQ(agent.waitForExit(), 0);
    }
    EXPECT_FALSE(fs::exists(autostart)) << "only the first run registers the agent";
}

TEST_F(AgentProcessTest, SecondCopyEndsAndTheFirstKeepsRunning) {
    AgentProcess first(home.path());
    first.start();
    ASSERT_TRUE(watcher.waitFor("DriverOpened"));

    AgentProcess second(home.path());
    second.start();
    EXPECT_EQ(second.waitForExit(), 0);
    EXPECT_NE(second.errorOutput().indexOf("already running"), -1);
    EXPECT_TRUE(first.running());
    EXPECT_EQ(watcher.count("DriverOpened"), 1) << "the second copy must not announce itself";

    // The first still serves commands.
    watcher.post("Version");
    EXPECT_TRUE(QTest::qWaitFor([&] { return aboutWindows() == 1; }));
    watcher.post("Quit");
    EXPECT_EQ(first.waitForExit(), 0);
}

// What a session manager restoring a session, or a user choosing Qt's platform, adds to
// the command line is Qt's to take, not an error.
TEST_F(AgentProcessTest, QtsOwnOptionsReachQt) {
    const QString display = qEnvironmentVariable("DISPLAY");
    AgentProcess agent(home.path(), {"--pointer", "log", "-session", "1a2b3c", "-platform", "xcb",
                                     "-display", display, "-style", "Fusion"});
    agent.start();
    ASSERT_TRUE(watcher.waitFor("DriverOpened")) << agent.errorOutput().toStdString();
    watcher.post("Quit");
    EXPECT_EQ(agent.waitForExit(5000), 0);
    EXPECT_FALSE(agent.errorOutput().contains("unknown argument"));

    AgentProcess elsewhere(home.path(), {"-display", ":999"});
    elsewhere.start();
    EXPECT_EQ(elsewhere.waitForExit(5000), 1);
    EXPECT_TRUE(elsewhere.errorOutput().contains("cannot open display ':999'"));
}

TEST_F(AgentProcessTest, QuitEndsAtOnceWithStatusZero) {
    AgentProcess agent(home.path());
    agent.start();
    ASSERT_TRUE(watcher.waitFor("DriverOpened"));
    watcher.post("Quit");
    EXPECT_EQ(agent.waitForExit(5000), 0);
}

TEST_F(AgentProcessTest, TerminationSignalEndsThroughTheOrdinaryQuitPath) {
    // A session logout sends SIGTERM: the agent must release the unit and exit normally,
    // not die by the signal.
    AgentProcess agent(home.path());
    agent.start();
    ASSERT_TRUE(watcher.waitFor("DriverOpened"));
    agent.process.terminate();
    EXPECT_EQ(agent.waitForExit(5000), 0);
}

TEST_F(AgentProcessTest, DataFilesThatAreFifosAreNamedOnceAndSigtermStillEndsTheAgent) {
    // Opening either for reading used to wait for a writer, forever, before the main loop.
    const std::pair<fs::path, std::string> cases[] = {
        {archivePath(home.path()), "ignoring calibration archive %1 (it is a FIFO, not a regular "
                                   "file); using the default calibration\n"},
        {home / ".config/eboard/agent.conf",
         "ignoring the agent's settings in %1 (it is a FIFO, not a regular file)\n"},
    };
    int started = 0;
    for (const auto& [path, line] : cases) {
        fs::create_directories(path.parent_path());
        makeFifo(path);
        AgentProcess agent(home.path());
        agent.start();
        ASSERT_TRUE(watcher.waitFor("DriverOpened", ++started));
        watcher.post("ListOutputs"); // answered from the main loop, once start-up is over
        ASSERT_TRUE(watcher.waitFor("Outputs", started));
        agent.process.terminate();
        EXPECT_EQ(agent.waitForExit(1000), 0);
        const QString errors = agent.errorOutput();
        const QString name = QString::fromStdString(path.string());
        EXPECT_TRUE(errors.contains("eboard: warning: " + QString::fromStdString(line).arg(name)))
            << errors.toStdString();
        EXPECT_EQ(errors.count(name), 1) << "one line";
        fs::remove(path);
    }
}

TEST_F(AgentProcessTest, TheRememberedSmoothingIsTakenAtStartAndCommandsChangeIt) {
    const fs::path conf = home / ".config/eboard/agent.conf";
    fs::create_directories(conf.parent_path());
    writeText(conf, "smoothing=adaptive\nsmoothing_min_cutoff=2\nsmoothing_beta=fast\n");
    AgentProcess agent(home.path());
    agent.start();
    ASSERT_TRUE(watcher.waitFor("DriverOpened"));
    watcher.post("SetSmoothMode", {{"mode", "adaptive"}, {"beta", -1}}); // refused
    watcher.post("SetSmoothValue", {{"smoothvalue", 3}});
    watcher.post("SetSmoothMode", {{"mode", "adaptive"}, {"beta", "0.5"}});
    watcher.post("ListOutputs"); // answered after the commands before it
    ASSERT_TRUE(watcher.waitFor("Outputs"));
    watcher.post("Quit");
    EXPECT_EQ(agent.waitForExit(), 0);
    const QString errors = agent.errorOutput();
    const QStringList expected{
        "smoothing_beta=fast is not a number of 0 or more: 0.1 is used",
        "pen smoothing: adaptive (min cutoff 2 Hz, beta 0.1)",
        "ignoring SetSmoothMode: the min cutoff must be above 0 and beta 0 or more",
        "pen smoothing: adaptive (min cutoff 2 Hz, beta 0.5)",
    };
    qsizetype at = 0;
    for (const QString& line : expected) {
        at = errors.indexOf(line, at);
        EXPECT_NE(at, -1) << line.toStdString() << " in order in\n" << errors.toStdString();
    }
}

TEST_F(AgentProcessTest, VersionTwiceShowsOneAboutWindow) {
    AgentProcess agent(home.path());
    agent.start();
    ASSERT_TRUE(watcher.waitFor("DriverOpened"));
    watcher.post("Version");
    ASSERT_TRUE(QTest::qWaitFor([&] { return aboutWindows() == 1; }));
    watcher.post("Version");
    watcher.post("Version");
    // Let the agent handle both before counting again.
    QTest::qWait(500);
    EXPECT_EQ(aboutWindows(), 1);
    EXPECT_TRUE(agent.running());
    watcher.post("Quit");
    EXPECT_EQ(agent.waitForExit(), 0);
}

TEST_F(AgentProcessTest, TrayIconShowsAndItsMenusQuitEndsTheAgent) {
    if (QStandardPaths::findExecutable("trayer").isEmpty()) {
        GTEST_SKIP() << "needs trayer";
    }
    QProcess tray;
    tray.start(QStringLiteral("trayer"),
               {"--edge", "top", "--align", "right", "--widthtype", "request", "--height", "32"});
    ASSERT_TRUE(tray.waitForStarted(5000));
    const auto panel = [&] { return desktop.windows(XDesktop::By::Instance, "panel"); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return !panel().empty(); }));

    AgentProcess agent(home.path());
    agent.start();
    ASSERT_TRUE(watcher.waitFor("DriverOpened"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return visibleAgentWindows() == 1; })) << "the tray icon";

    const XWindowFrame frame = desktop.frame(panel().front());
    ASSERT_GT(frame.width, 0);
    desktop.click(frame.x + frame.width / 2, frame.y + frame.height / 2, 3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return visibleAgentWindows() == 2; })) << "the menu opens";
    // Quit is the last item: Up from the top wraps to it.
    desktop.key("Up");
    desktop.key("Return");
    EXPECT_EQ(agent.waitForExit(), 0);
    EXPECT_EQ(watcher.count("Quit"), 1) << "the menu posts Quit for every observer";
    tray.kill();
    tray.waitForFinished(5000);
}

TEST_F(AgentProcessTest, EboardctlDrivesTheAgentAndWatchesTheBus) {
    const QString eboardctl = eboardctlProgram();
    QProcess watch;
    watch.start(eboardctl, {"watch"});
    ASSERT_TRUE(watch.waitForStarted(5000));
    // watch is listening once it sees a probe.
    ASSERT_TRUE(QTest::qWaitFor([&] {
        watcher.post("Probe");
        return watch.waitForReadyRead(100);
    }));

    AgentProcess agent(home.path());
    agent.start();
    ASSERT_TRUE(watcher.waitFor("DriverOpened"));
    // Its settings go to the agent's home, not the one running the tests.
    QProcess smooth;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", QString::fromStdString(home.path().string()));
    environment.remove("XDG_CONFIG_HOME");
    smooth.setProcessEnvironment(environment);
    smooth.start(eboardctl, {"smooth", "7"});
    ASSERT_TRUE(smooth.waitForFinished(10000));
    QProcess::execute(eboardctl, {"version"});
    EXPECT_EQ(QProcess::execute(eboardctl, {"quit"}), 0);
    EXPECT_EQ(agent.waitForExit(), 0);
    EXPECT_EQ(QProcess::execute(eboardctl, {"smooth", "seven"}), 2);

    QTest::qWait(300);
    watch.kill();
    watch.waitForFinished(5000);
    const QString lines = QString::fromUtf8(watch.readAll());
    EXPECT_TRUE(lines.contains("\nDriverOpened\nSetSmoothValue smoothvalue=7\nVersion\nQuit\n"))
        << lines.toStdString();
}

TEST_F(AgentProcessTest, WithoutATraySaysHowToReachTheAgent) {
    AgentProcess agent(home.path());
    agent.start();
    ASSERT_TRUE(watcher.waitFor("DriverOpened"));
    QString errors;
    EXPECT_TRUE(QTest::qWaitFor([&] {
        errors += agent.errorOutput();
        return errors.contains("no system tray on this desktop");
    })) << errors.toStdString();
    EXPECT_TRUE(errors.contains("eboardctl")) << errors.toStdString();
    EXPECT_EQ(visibleAgentWindows(), 0);

    // A tray that turns up later gets the icon (Qt docks it by itself).
    if (!QStandardPaths::findExecutable("trayer").isEmpty()) {
        QProcess tray;
        tray.start(QStringLiteral("trayer"), {"--edge", "top", "--align", "right", "--widthtype",
                                              "request", "--height", "32"});
        ASSERT_TRUE(tray.waitForStarted(5000));
        EXPECT_TRUE(QTest::qWaitFor([&] { return visibleAgentWindows() == 1; })) << "the tray icon";
        tray.kill();
        tray.waitForFinished(5000);
    }
    watcher.post("Quit");
    EXPECT_EQ(agent.waitForExit(), 0);
}

// A user who started the agent from the menu reads on the desktop, in their language and
// once each, what leaves the pen dead; the log keeps saying it as well.
TEST_F(AgentProcessTest, WhatLeavesThePenDeadIsToldOnTheDesktopInTheUsersLanguage) {
    struct Case {
        const char* what;
        bool archiveReadable; // else bytes that are no archive
        const char* summary;
        const char* bodyAfterPath;
    };
    const Case cases[] = {
        {"unreadable archive", false, "Impossible de lire le calibrage enregistré",
         " n'a pas pu être lu"},
        // The defaults: four equal corners.
        {"archive without area", true, "Le calibrage enregistré est inutilisable", " ne permet"},
    };
    // Without a writable uinput (as in CI) a uinput pointer cannot be had either.
    const bool uinputWritable = ::access("/dev/uinput", W_OK) == 0;
    const fs::path archive = archivePath(home.path());
    fs::create_directories(archive.parent_path());
    int started = 0;
    for (const Case& c : cases) {
        NotificationServiceDouble service;
        ASSERT_TRUE(service.start());
        if (c.archiveReadable) {
            ASSERT_FALSE(writeSettingArchive(archive, SettingData{}));
        } else {
            writeText(archive, "not an archive");
        }
        AgentProcess agent(home.path(), {"--pointer", uinputWritable ? "log" : "uinput"});
        agent.environment.insert("LANGUAGE", "fr");
        agent.environment.insert("LANG", "fr_FR.UTF-8");
        agent.environment.remove("LC_ALL");
        agent.environment.remove("LC_MESSAGES");
        agent.start();
        ASSERT_TRUE(watcher.waitFor("DriverOpened", ++started));
        watcher.post("ListOutputs"); // answered from the main loop, once start-up is over
        ASSERT_TRUE(watcher.waitFor("Outputs", started));
        const std::size_t expected = uinputWritable ? 2 : 3;
        EXPECT_TRUE(QTest::qWaitFor([&] { return service.notices.size() >= expected; }));
        watcher.post("Quit");
        EXPECT_EQ(agent.waitForExit(), 0);
        const QString errors = agent.errorOutput();

        EXPECT_EQ(service.notices.size(), expected) << c.what;
        EXPECT_EQ(service.count("Aucune zone de notification sur ce bureau"), 1) << c.what;
        EXPECT_EQ(service.count(c.summary), 1) << c.what;
        EXPECT_EQ(service.count("Le stylet ne peut pas déplacer le pointeur"),
                  uinputWritable ? 0 : 1)
            << c.what;
        for (const NotificationServiceDouble::Notice& notice : service.notices) {
            EXPECT_EQ(notice.appName, "eBoardAgent");
            EXPECT_EQ(notice.appIcon, "eboard-agent") << "the icon of the agent's desktop entry";
            if (notice.summary == c.summary) {
                EXPECT_TRUE(notice.body.contains(QString::fromStdString(archive.string()) +
                                                 QString::fromUtf8(c.bodyAfterPath)))
                    << notice.body.toStdString();
            }
        }
        EXPECT_TRUE(errors.contains("no system tray on this desktop")) << errors.toStdString();
    }
}

TEST_F(AgentProcessTest, WithoutADisplayItSaysSoAndFails) {
    struct Case {
        const char* display;  // nullptr: unset
        const char* platform; // QT_QPA_PLATFORM; nullptr: unset
        const char* message;
    };
    // Qt itself aborts (SIGABRT) when the xcb platform it was told to use has no display.
    const Case cases[] = {
        {nullptr, nullptr, "no display"},
        {":4711", nullptr, "cannot open display"},
        {nullptr, "xcb", "no display"},
        {":4711", "xcb:nograb", "cannot open display"},
    };
    for (const Case& c : cases) {
        AgentProcess agent(home.path());
        agent.environment.remove("WAYLAND_DISPLAY");
        if (c.platform != nullptr) {
            agent.environment.insert("QT_QPA_PLATFORM", c.platform);
        }
        if (c.display == nullptr) {
            agent.environment.remove("DISPLAY");
        } else {
            agent.environment.insert("DISPLAY", c.display);
        }
        agent.start();
        EXPECT_EQ(agent.waitForExit(), 1) << c.message << " " << (c.platform ? c.platform : "");
        EXPECT_NE(agent.errorOutput().indexOf(c.message), -1) << c.message;
    }
    EXPECT_EQ(watcher.count("DriverOpened"), 0);
}

TEST_F(AgentProcessTest, WithoutASessionBusItSaysSoAndFails) {
    AgentProcess agent(home.path());
    agent.environment.insert("DBUS_SESSION_BUS_ADDRESS",
                             QString::fromStdString("unix:path=" + (home / "no-bus").string()));
    agent.start();
    EXPECT_EQ(agent.waitForExit(), 1);
    EXPECT_NE(agent.errorOutput().indexOf("no D-Bus session bus"), -1);
}

TEST_F(AgentProcessTest, BadCommandLineIsAUsageError) {
    AgentProcess agent(home.path(), {QStringLiteral("--pointer"), QStringLiteral("pen")});
    agent.start();
    EXPECT_EQ(agent.waitForExit(), 2);
    EXPECT_NE(agent.errorOutput().indexOf("unknown pointer back end 'pen'"), -1);
}

} // namespace
} // namespace eboard::testing
