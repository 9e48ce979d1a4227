// eboardctl's commands to the agent and its watch of the bus, on the session bus with no
// agent running.
#include "bus/DBusDistributedCenter.h"
#include "bus/SingleInstance.h"
#include "support/EventLoop.h"
#include "support/TempDir.h"

#include <QDBusConnection>
#include <QProcess>
#include <QProcessEnvironment>
#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

namespace eboard::testing {
namespace {

using ::testing::HasSubstr;

const QString kEboardctl = QStringLiteral(EBOARD_BIN_DIR "/eboardctl");

class EboardctlBus : public ::testing::Test {
protected:
    void SetUp() override {
        if (!peer.isConnected()) {
            GTEST_SKIP() << "needs a session bus (run under dbus-run-session)";
        }
    }
    QDBusConnection peer = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "peer");
};

TEST_F(EboardctlBus, CommandsWithoutAnAgentSaySoAndFail) {
    for (const QStringList& command :
         {QStringList{"calibrate"}, QStringList{"diagnose"}, QStringList{"calibrate", "--wait"},
          QStringList{"diagnose", "--wait"}, QStringList{"quit"}, QStringList{"version"}}) {
        QProcess run;
        run.start(kEboardctl, command);
        ASSERT_TRUE(run.waitForFinished(10000));
        EXPECT_EQ(run.exitCode(), 1) << command.join(' ').toStdString();
        const std::string errors = run.readAllStandardError().toStdString();
        EXPECT_EQ(errors, "eboardctl: no agent is running (nobody owns com.jux.eBoardAgent on the "
                          "session bus); start eBoardAgent first\n");
    }
}

// The test plays the agent: it owns the agent's name, sees the request and announces
// how the run ended, telling back the request's token.
TEST_F(EboardctlBus, WaitReturnsWithTheAnnouncedEndOfTheRun) {
    ASSERT_TRUE(peer.registerService(QString::fromLatin1(kAgentBusName)));
    DBusDistributedCenter center(peer);
    ASSERT_TRUE(center.listen());
    std::vector<std::string> requests;
    QString token;
    center.addMonitor([&](const std::string& name, const UserInfo& userInfo) {
        requests.push_back(name);
        for (const auto& [key, value] : userInfo) {
            if (key == "request") {
                token = QString::fromStdString(std::get<std::string>(value));
            }
        }
    });
    struct Case {
        const char* command;
        const char* request;
        const char* result;
        int status;
    };
    const Case cases[] = {
        {"calibrate", "StartCalibrate", "poor", 0},
        {"diagnose", "CompleteCalibrate", "class2", 0},
        {"calibrate", "StartCalibrate", "aborted", 1},
        {"diagnose", "CompleteCalibrate", "disconnected", 1},
    };
    for (const Case& c : cases) {
        requests.clear();
        QProcess run;
        run.start(kEboardctl, {c.command, "--wait"});
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return std::find(requests.begin(), requests.end(), c.request) != requests.end();
        })) << c.command;
        EXPECT_EQ(run.state(), QProcess::Running) << "it waits for the end";
        ASSERT_FALSE(token.isEmpty());
        // Ends of other runs (one its request cut short, one from the menu) are not its own.
        DBusDistributedCenter::post(peer, "CalibrateEnded", "com.jux.command",
                                    {{"result", "aborted"}, {"request", ":1.9999 x" + token}});
        DBusDistributedCenter::post(peer, "CalibrateEnded", "com.jux.command",
                                    {{"result", "aborted"}});
        DBusDistributedCenter::post(
            peer, "CalibrateEnded", "com.jux.command",
            {{"result", QString::fromLatin1(c.result)}, {"request", ":1.9998 " + token}});
        ASSERT_TRUE(run.waitForFinished(10000));
        EXPECT_EQ(run.readAllStandardOutput().toStdString(), std::string(c.result) + "\n");
        EXPECT_EQ(run.exitCode(), c.status) << c.result;
    }

    // An agent that goes away ends the wait as a failure.
    QProcess orphan;
    requests.clear();
    orphan.start(kEboardctl, {"calibrate", "--wait"});
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return std::find(requests.begin(), requests.end(), "StartCalibrate") != requests.end();
    }));
    peer.unregisterService(QString::fromLatin1(kAgentBusName));
    ASSERT_TRUE(orphan.waitForFinished(10000));
    EXPECT_EQ(orphan.exitCode(), 1);
    EXPECT_THAT(orphan.readAllStandardError().toStdString(), HasSubstr("agent ended"));
}

// The smoothing is remembered for the agent's next start whether or not one runs, and a
// running one is told at once with what is remembered.
TEST_F(EboardctlBus, SmoothIsRememberedAndToldToARunningAgent) {
    TempDir config;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", QString::fromStdString(config.path().string()));
    const auto run = [&](const QStringList& arguments) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(kEboardctl, QStringList{"smooth"} + arguments);
        EXPECT_TRUE(process.waitForStarted(5000));
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 10000));
        return std::pair(process.exitCode(), process.readAllStandardOutput().toStdString() +
                                                 process.readAllStandardError().toStdString());
    };
    const std::filesystem::path conf = config / "eboard/agent.conf";

    const auto [alone, saidAlone] = run({"adaptive", "--beta", "0.2"});
    EXPECT_EQ(alone, 0) << saidAlone;
    EXPECT_THAT(saidAlone, HasSubstr("adaptive (min cutoff 1 Hz, beta 0.2)"));
    EXPECT_THAT(saidAlone,
                HasSubstr("no agent is running; it takes this smoothing when it starts"));
    EXPECT_EQ(readText(conf), "smoothing=adaptive\nsmoothing_window=4\nsmoothing_min_cutoff=1\n"
                              "smoothing_beta=0.2\n");

    ASSERT_TRUE(peer.registerService(QString::fromLatin1(kAgentBusName)));
    DBusDistributedCenter center(peer);
    ASSERT_TRUE(center.listen());
    std::vector<std::string> told;
    center.addMonitor([&](const std::string& name, const UserInfo& userInfo) {
        std::string line = name;
        for (const auto& [key, value] : userInfo) {
            line += " " + key + "=" +
                    std::visit(
                        [](const auto& v) {
                            if constexpr (std::is_same_v<std::decay_t<decltype(v)>, std::string>) {
                                return v;
                            } else {
                                std::ostringstream text;
                                text << v;
                                return text.str();
                            }
                        },
                        value);
        }
        told.push_back(line);
    });
    struct Case {
        QStringList arguments;
        const char* told; // what the agent hears; empty: refused, nothing remembered
    };
    const Case cases[] = {
        {{"adaptive", "--min-cutoff", "2.5"}, "SetSmoothMode beta=0.2 mincutoff=2.5 mode=adaptive"},
        {{"6"}, "SetSmoothValue smoothvalue=6"},
        {{"adaptive"}, "SetSmoothMode beta=0.2 mincutoff=2.5 mode=adaptive"},
        {{"6", "--beta", "1"}, ""},
        {{"adaptive", "--beta", "-1"}, ""},
        {{"adaptive", "--min-cutoff", "0"}, ""},
        {{"seven"}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        told.clear();
        const std::string before = readText(conf);
        const auto [status, said] = run(c.arguments);
        if (std::string(c.told).empty()) {
            EXPECT_EQ(status, 2) << said;
            EXPECT_EQ(readText(conf), before);
            continue;
        }
        EXPECT_EQ(status, 0) << said;
        EXPECT_THAT(said, HasSubstr("told the running agent"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !told.empty(); }));
        EXPECT_EQ(told, std::vector<std::string>{c.told});
    }
    EXPECT_EQ(readText(conf), "smoothing=adaptive\nsmoothing_window=6\nsmoothing_min_cutoff=2.5\n"
                              "smoothing_beta=0.2\n");
}

// The test plays the agent: it answers each SetBoardOutput as told, and eboardctl must
// repeat what the agent does, not what was asked.
TEST_F(EboardctlBus, OutputSaysWhichOutputTheAgentReallyUses) {
    ASSERT_TRUE(peer.registerService(QString::fromLatin1(kAgentBusName)));
    DBusDistributedCenter center(peer);
    ASSERT_TRUE(center.listen());
    TempDir config;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", QString::fromStdString(config.path().string()));
    struct Case {
        const char* choice;
        // What the agent announces in answer, in order; the first may answer another
        // chooser. Empty: an agent that does not answer.
        std::vector<std::pair<const char*, const char*>> answers;
        const char* said;
    };
    const Case cases[] = {
        {"HDMI-2",
         {{"HDMI-2", "eDP-1"}},
         "\"HDMI-2\" is not connected: the running agent keeps the primary output \"eDP-1\" "
         "until it is\n"},
        {"HDMI-2", {{"HDMI-2", "HDMI-2"}}, "the running agent uses it now\n"},
        {"primary",
         {{"primary", "eDP-1"}},
         "the running agent uses the primary output \"eDP-1\" now\n"},
        {"HDMI-2",
         {{"DP-1", "DP-1"}, {"HDMI-2", "eDP-1"}},
         "\"HDMI-2\" is not connected: the running agent keeps the primary output \"eDP-1\" "
         "until it is\n"},
        {"HDMI-2",
         {{"HDMI-2", ""}},
         "the running agent sees no output at all; it uses this one once it is connected\n"},
        {"HDMI-2", {}, "told the running agent; it did not say which output it uses\n"},
    };
    const Case* current = nullptr;
    std::vector<std::string> chosen;
    center.addMonitor([&](const std::string& name, const UserInfo& userInfo) {
        if (name != "SetBoardOutput" || current == nullptr) {
            return;
        }
        for (const auto& [key, value] : userInfo) {
            if (const auto* text = std::get_if<std::string>(&value); key == "output" && text) {
                chosen.push_back(*text);
            }
        }
        for (const auto& [output, board] : current->answers) {
            DBusDistributedCenter::post(
                peer, "BoardOutput", "com.jux.command",
                {{"output", QString::fromLatin1(output)}, {"board", QString::fromLatin1(board)}});
        }
    });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.said);
        current = &c;
        chosen.clear();
        QProcess run;
        run.setProcessEnvironment(environment);
        run.start(kEboardctl, {"output", c.choice});
        ASSERT_TRUE(run.waitForStarted(5000));
        ASSERT_TRUE(QTest::qWaitFor([&] { return run.state() == QProcess::NotRunning; }, 10000));
        EXPECT_EQ(chosen, std::vector<std::string>{c.choice});
        EXPECT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
        const std::string said = run.readAllStandardOutput().toStdString();
        EXPECT_THAT(said, ::testing::EndsWith(c.said));
        EXPECT_THAT(said, HasSubstr(std::string("board output: ") + c.choice + " (remembered in "));
    }
    peer.unregisterService(QString::fromLatin1(kAgentBusName));
}

TEST_F(EboardctlBus, WatchEscapesWhatCouldForgeALineOrSteerTheTerminal) {
    QProcess watch;
    watch.start(kEboardctl, {"watch"});
    ASSERT_TRUE(watch.waitForStarted(5000));
    ASSERT_TRUE(QTest::qWaitFor([&] {
        DBusDistributedCenter::post(peer, "Probe", "com.jux.command", {});
        return watch.waitForReadyRead(100);
    }));
    DBusDistributedCenter::post(peer, "Probe\nQuit\nHN42DisConnected", "com.jux.command",
                                {{"text", QStringLiteral("a\nb\x1b[2Jc")}});
    DBusDistributedCenter::post(peer, "", "com.jux.command", {});
    DBusDistributedCenter::post(peer, "Done", "com.jux.command", {});
    QString lines;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        lines += QString::fromUtf8(watch.readAllStandardOutput());
        return lines.contains("Done\n");
    })) << lines.toStdString();
    watch.kill();
    watch.waitForFinished(5000);
    const std::string text = lines.toStdString();
    EXPECT_THAT(
        text,
        HasSubstr("\nProbe\\nQuit\\nHN42DisConnected text=a\\nb\\e[2Jc\n(empty name)\nDone\n"));
    EXPECT_EQ(text.find('\x1b'), std::string::npos);
}

TEST_F(EboardctlBus, WatchEndsWhenTheBusGoesAway) {
    TempDir folder;
    QProcess daemon;
    daemon.start(QStringLiteral("dbus-daemon"),
                 {"--session", "--nofork", "--print-address",
                  QString::fromStdString("--address=unix:path=" + (folder / "bus").string())});
    ASSERT_TRUE(daemon.waitForReadyRead(5000)) << "dbus-daemon did not start";
    const QString address = QString::fromUtf8(daemon.readLine()).trimmed();

    QProcess watch;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DBUS_SESSION_BUS_ADDRESS", address);
    watch.setProcessEnvironment(environment);
    watch.start(kEboardctl, {"watch"});
    ASSERT_TRUE(watch.waitForStarted(5000));
    QTest::qWait(500); // connected and listening
    ASSERT_EQ(watch.state(), QProcess::Running) << watch.readAllStandardError().toStdString();

    daemon.terminate();
    ASSERT_TRUE(daemon.waitForFinished(5000));
    ASSERT_TRUE(watch.waitForFinished(5000)) << "watch must end with the bus";
    EXPECT_EQ(watch.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(watch.exitCode(), 1);
    EXPECT_EQ(watch.readAllStandardError().toStdString(), "eboardctl: the session bus went away\n");
}

} // namespace
} // namespace eboard::testing
