// The agent's footprint in the user's session: autostart entry, the scroll-bar setting
// and the companion application.
#include "app/Autostart.h"
#include "app/CompanionLauncher.h"
#include "app/SessionIntegration.h"
#include "core/state/JUXPrompt.h"
#include "support/EventLoop.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace eboard::testing {
namespace {

namespace fs = std::filesystem;

void writeScript(const fs::path& path, const std::string& body) {
    writeText(path, "#!/bin/sh\n" + body + "\n");
    fs::permissions(path, fs::perms::owner_all);
}

TEST(Autostart, ExecIsQuotedOnlyWhenThePathNeedsIt) {
    struct Case {
        const char* path;
        const char* exec;
        const char* tryExec = nullptr; // the path itself when not given
    };
    const Case cases[] = {
        {"/usr/bin/eBoardAgent", "Exec=/usr/bin/eBoardAgent\n"},
        {"/opt/e board/eBoardAgent", "Exec=\"/opt/e board/eBoardAgent\"\n",
         "TryExec=/opt/e board/eBoardAgent\n"},
        // Inside quotes $ and " are escaped with a backslash, which the key file format
        // then escapes once more.
        {"/opt/$x\"y/eBoardAgent", "Exec=\"/opt/\\\\$x\\\\\"y/eBoardAgent\"\n"},
        {"/opt/a\\b/eBoardAgent", "Exec=\"/opt/a\\\\\\\\b/eBoardAgent\"\n",
         "TryExec=/opt/a\\\\b/eBoardAgent\n"},
        // A bare % would start a field code.
        {"/opt/100%/eBoardAgent", "Exec=/opt/100%%/eBoardAgent\n",
         "TryExec=/opt/100%/eBoardAgent\n"},
        // A line break in the path must not end the Exec line.
        {"/opt/a\nb/eBoardAgent", "Exec=\"/opt/a\\nb/eBoardAgent\"\n",
         "TryExec=/opt/a\\nb/eBoardAgent\n"},
    };
    for (const auto& c : cases) {
        const std::string entry = autostartEntry(c.path);
        EXPECT_NE(entry.find(c.exec), std::string::npos) << c.path << "\n" << entry;
        const std::string tryExec =
            c.tryExec != nullptr ? c.tryExec : "TryExec=" + std::string(c.path) + "\n";
        EXPECT_NE(entry.find(tryExec), std::string::npos) << c.path << "\n" << entry;
        EXPECT_EQ(entry.rfind("[Desktop Entry]\n", 0), 0u);
        EXPECT_NE(entry.find("Type=Application\n"), std::string::npos);
        // A desktop-entry reader gets the path back unchanged.
        const auto command = execFromDesktopEntry(QString::fromStdString(entry));
        ASSERT_TRUE(command) << c.path;
        EXPECT_EQ(*command, QStringList{QString::fromStdString(c.path)}) << c.path;
    }
}

// An installed agent is started by name, so the entry holds wherever the package puts
// it; another program of the same name first on the PATH is not taken for it.
TEST(Autostart, TheNameAloneWhereThePathFindsThisProgram) {
    TempDir dir;
    fs::create_directories(dir / "bin");
    fs::create_directories(dir / "other");
    writeScript(dir / "bin/eBoardAgent", "exit 0");
    writeScript(dir / "other/eBoardAgent", "exit 0");
    {
        ScopedEnv path("PATH", (dir / "empty").string() + ":" + (dir / "bin").string());
        const std::string entry = autostartEntry(dir / "bin/eBoardAgent");
        EXPECT_NE(entry.find("\nExec=eBoardAgent\n"), std::string::npos) << entry;
        EXPECT_NE(entry.find("\nTryExec=eBoardAgent\n"), std::string::npos) << entry;
    }
    ScopedEnv path("PATH", (dir / "other").string() + ":" + (dir / "bin").string());
    const std::string entry = autostartEntry(dir / "bin/eBoardAgent");
    EXPECT_NE(entry.find("\nExec=" + (dir / "bin/eBoardAgent").string() + "\n"), std::string::npos)
        << entry;
}

TEST(Autostart, FolderFollowsXdgConfigHomeWhenAbsolute) {
    TempDir home;
    ScopedEnv homeEnv("HOME", home.path().string());
    {
        ScopedEnv config("XDG_CONFIG_HOME", (home / "cfg").string());
        EXPECT_EQ(autostartDirectory(), home / "cfg" / "autostart");
    }
    {
        ScopedEnv config("XDG_CONFIG_HOME", std::string("relative/cfg"));
        EXPECT_EQ(autostartDirectory(), home.path() / ".config" / "autostart");
    }
    ScopedEnv config("XDG_CONFIG_HOME", std::nullopt);
    EXPECT_EQ(autostartDirectory(), home.path() / ".config" / "autostart");
}

TEST(Autostart, WritesTheEntryCreatingTheFolders) {
    TempDir home;
    ScopedEnv homeEnv("HOME", home.path().string());
    ScopedEnv config("XDG_CONFIG_HOME", std::nullopt);
    ASSERT_TRUE(addToAutostart("/usr/bin/eBoardAgent"));
    EXPECT_EQ(readText(home.path() / ".config/autostart/eBoardAgent.desktop"),
              autostartEntry("/usr/bin/eBoardAgent"));
}

// Session settings list the entry by its name: in the agent's languages, the very texts
// of the installed desktop entry.
TEST(Autostart, NameAndCommentInEveryLanguageOfTheInstalledEntry) {
    const std::string installed =
        readText(fs::path(EBOARD_SOURCE_DIR) / "resources/eBoardAgent.desktop");
    const auto lineOf = [](const std::string& text, const std::string& key) -> std::string {
        const auto start = text.find("\n" + key + "=");
        if (start == std::string::npos) {
            return {};
        }
        return text.substr(start + 1, text.find('\n', start + 1) - start - 1);
    };
    TempDir home;
    ScopedEnv homeEnv("HOME", home.path().string());
    ScopedEnv config("XDG_CONFIG_HOME", std::nullopt);
    ASSERT_TRUE(addToAutostart("/usr/bin/eBoardAgent"));
    const std::string entry = readText(home.path() / ".config/autostart/eBoardAgent.desktop");
    for (const std::string key : {"Name", "Comment"}) {
        const std::string plain = lineOf(installed, key);
        ASSERT_FALSE(plain.empty()) << key;
        EXPECT_EQ(lineOf(entry, key), plain);
        for (const std::string language : {"de", "fr", "ja", "zh_CN"}) {
            const std::string localised = std::string(key).append("[").append(language).append("]");
            const std::string line = lineOf(installed, localised);
            ASSERT_FALSE(line.empty()) << localised << " missing from the installed entry";
            EXPECT_NE(line.substr(line.find('=')), plain.substr(plain.find('='))) << line;
            EXPECT_EQ(lineOf(entry, localised), line) << entry;
        }
    }
    EXPECT_EQ(lineOf(entry, "Icon"), lineOf(installed, "Icon"));
}

TEST(Autostart, UnwritableFolderFailsQuietly) {
    TempDir home;
    ScopedEnv homeEnv("HOME", home.path().string());
    ScopedEnv config("XDG_CONFIG_HOME", (home / "file").string());
    writeText(home / "file", "not a folder");
    EXPECT_FALSE(addToAutostart("/usr/bin/eBoardAgent"));
}

TEST(SessionIntegration, TurnsOverlayScrollingOffThroughGsettings) {
    TempDir dir;
    const fs::path record = dir / "args";
    writeScript(dir / "gsettings", "echo \"$@\" > '" + record.string() + "'");
    ScopedEnv path("PATH", dir.path().string());
    ASSERT_TRUE(showScrollBarsAlways());
    ASSERT_TRUE(QTest::qWaitFor([&] { return fs::exists(record) && fs::file_size(record) > 0; }));
    EXPECT_EQ(readText(record), "set org.gnome.desktop.interface overlay-scrolling false\n");
}

TEST(SessionIntegration, WithoutGsettingsNothingHappens) {
    TempDir empty;
    ScopedEnv path("PATH", empty.path().string());
    EXPECT_FALSE(showScrollBarsAlways());
}

TEST(CompanionLauncher, NameComesFromTheAnnotationScript) {
    EXPECT_EQ(companionNameFromScript(JUXPrompt::getPrompt().openSkriboString()),
              QStringLiteral("Skribo"));
    EXPECT_EQ(companionNameFromScript("tell application \"Other Pad\"\n"), "Other Pad");
    EXPECT_FALSE(companionNameFromScript("display dialog \"hi\""));
    EXPECT_FALSE(companionNameFromScript("tell application \"\""));
    EXPECT_FALSE(companionNameFromScript("tell application \"Skribo"));
}

TEST(CompanionLauncher, ExecLineOfADesktopEntry) {
    struct Case {
        const char* entry;
        QStringList expected; // empty: none
    };
    const Case cases[] = {
        {"[Desktop Entry]\nName=Skribo\nExec=skribo %U\n", {"skribo"}},
        {"[Desktop Entry]\nExec = /opt/skribo/bin/skribo --new-window %f\n",
         {"/opt/skribo/bin/skribo", "--new-window"}},
        {"[Desktop Entry]\nExec=\"/opt/My Apps/skribo\" --x=\"a b\"\n",
         {"/opt/My Apps/skribo", "--x=a b"}},
        {"[Desktop Entry]\nExec=skribo --rate 100%%\n", {"skribo", "--rate", "100%"}},
        {"[Desktop Entry]\nExec=\"/opt/a\\\\\\\\b/skribo\"\n", {"/opt/a\\b/skribo"}},
        {"[Desktop Entry]\nExec=\"unterminated\n", {}},
        {"[Desktop Entry]\nExec=%U\n", {}},
        {"[Desktop Action new]\nExec=skribo --new\n", {}},
        {"[Desktop Entry]\nName=no exec\n", {}},
    };
    for (const auto& c : cases) {
        const auto command = execFromDesktopEntry(QString::fromUtf8(c.entry));
        if (c.expected.isEmpty()) {
            EXPECT_FALSE(command) << c.entry;
        } else {
            ASSERT_TRUE(command) << c.entry;
            EXPECT_EQ(*command, c.expected) << c.entry;
        }
    }
}

TEST(CompanionLauncher, DesktopEntryWinsOverTheExecutable) {
    TempDir dir;
    fs::create_directories(dir / "data/applications");
    fs::create_directories(dir / "bin");
    const fs::path marker = dir / "started";
    writeScript(dir / "bin/skribo-desktop", "echo entry > '" + marker.string() + "'");
    writeScript(dir / "bin/skribo", "echo path > '" + marker.string() + "'");
    writeText(dir / "data/applications/skribo.desktop",
              "[Desktop Entry]\nType=Application\nName=Skribo\nExec=" +
                  (dir / "bin/skribo-desktop").string() + " %U\n");
    ScopedEnv data("XDG_DATA_HOME", (dir / "data").string());
    ScopedEnv dataDirs("XDG_DATA_DIRS", (dir / "none").string());
    ScopedEnv path("PATH", (dir / "bin").string() + ":/usr/bin:/bin");

    ASSERT_EQ(openCompanion(QStringLiteral("Skribo")), CompanionLaunch::Started);
    ASSERT_TRUE(QTest::qWaitFor([&] { return fs::exists(marker) && fs::file_size(marker) > 0; }));
    EXPECT_EQ(readText(marker), "entry\n");
}

// The entry is launched as the desktop does: field codes without files vanish, Path is the
// working folder, and an entry whose TryExec program is gone is passed over for the
// executable on the PATH.
TEST(CompanionLauncher, TheEntryIsLaunchedAsTheDesktopLaunchesIt) {
    struct Case {
        const char* what;
        std::string keys; // after Exec=<the entry's script> %f %U
        std::string expected;
    };
    TempDir dir;
    fs::create_directories(dir / "data/applications");
    fs::create_directories(dir / "bin");
    fs::create_directories(dir / "work");
    const fs::path marker = dir / "started";
    writeScript(dir / "bin/notebook-desktop",
                "echo \"entry $# $(pwd)\" > '" + marker.string() + "'");
    writeScript(dir / "bin/notebook", "echo path > '" + marker.string() + "'");
    const Case cases[] = {
        {"plain", "", "entry 0 " + fs::current_path().string() + "\n"},
        {"working folder", "Path=" + (dir / "work").string() + "\n",
         "entry 0 " + (dir / "work").string() + "\n"},
        {"TryExec gone", "TryExec=" + (dir / "bin/gone").string() + "\n", "path\n"},
    };
    ScopedEnv data("XDG_DATA_HOME", (dir / "data").string());
    ScopedEnv dataDirs("XDG_DATA_DIRS", (dir / "none").string());
    ScopedEnv path("PATH", (dir / "bin").string() + ":/usr/bin:/bin");
    for (const Case& c : cases) {
        fs::remove(marker);
        writeText(dir / "data/applications/notebook.desktop",
                  "[Desktop Entry]\nType=Application\nName=Notebook\nExec=" +
                      (dir / "bin/notebook-desktop").string() + " %f %U\n" + c.keys);
        ASSERT_EQ(openCompanion(QStringLiteral("Notebook")), CompanionLaunch::Started) << c.what;
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return fs::exists(marker) && fs::file_size(marker) > 0;
        })) << c.what;
        EXPECT_EQ(readText(marker), c.expected) << c.what;
    }
}

TEST(CompanionLauncher, ExecutableOnThePathWhenThereIsNoEntry) {
    TempDir dir;
    fs::create_directories(dir / "bin");
    const fs::path marker = dir / "started";
    writeScript(dir / "bin/skribo", "echo path > '" + marker.string() + "'");
    ScopedEnv data("XDG_DATA_HOME", (dir / "data").string());
    ScopedEnv dataDirs("XDG_DATA_DIRS", (dir / "none").string());
    ScopedEnv path("PATH", (dir / "bin").string() + ":/usr/bin:/bin");

    ASSERT_EQ(openCompanion(QStringLiteral("Skribo")), CompanionLaunch::Started);
    ASSERT_TRUE(QTest::qWaitFor([&] { return fs::exists(marker) && fs::file_size(marker) > 0; }));
    EXPECT_EQ(readText(marker), "path\n");
}

TEST(CompanionLauncher, NothingInstalledDoesNothing) {
    TempDir dir;
    ScopedEnv data("XDG_DATA_HOME", (dir / "data").string());
    ScopedEnv dataDirs("XDG_DATA_DIRS", (dir / "none").string());
    ScopedEnv path("PATH", dir.path().string());
    EXPECT_EQ(openCompanion(QStringLiteral("Skribo")), CompanionLaunch::NotInstalled);
}

// Annotate tells the user only when there is nothing to start: an entry naming a program
// that is gone is as good as none, while a companion that runs already is no problem.
TEST(CompanionLauncher, NothingToStartIsToldApartFromOneRunningAlready) {
    // This test program runs: as the companion's executable it is running already.
    const std::string self = fs::read_symlink("/proc/self/exe").filename().string();
    struct Case {
        const char* what;
        std::string entryExec; // empty: no desktop entry
        bool executable;       // a script of the companion's name on the PATH
        CompanionLaunch expected;
    };
    TempDir dir;
    const fs::path marker = dir / "started";
    const Case cases[] = {
        {"nothing", "", false, CompanionLaunch::NotInstalled},
        {"entry of a program gone", (dir / "gone/program").string(), false,
         CompanionLaunch::NotInstalled},
        {"executable running", "", true, CompanionLaunch::AlreadyRunning},
    };
    ScopedEnv data("XDG_DATA_HOME", (dir / "data").string());
    ScopedEnv dataDirs("XDG_DATA_DIRS", (dir / "none").string());
    ScopedEnv path("PATH", (dir / "bin").string() + ":/usr/bin:/bin");
    for (const Case& c : cases) {
        fs::remove_all(dir / "data");
        fs::remove_all(dir / "bin");
        fs::create_directories(dir / "data/applications");
        fs::create_directories(dir / "bin");
        if (!c.entryExec.empty()) {
            writeText(dir / "data/applications" / (self + ".desktop"),
                      "[Desktop Entry]\nType=Application\nName=Self\nExec=" + c.entryExec + "\n");
        }
        if (c.executable) {
            writeScript(dir / "bin" / self, "echo started > '" + marker.string() + "'");
        }
        EXPECT_EQ(openCompanion(QString::fromStdString(self)), c.expected) << c.what;
        QTest::qWait(50);
        EXPECT_FALSE(fs::exists(marker)) << c.what;
    }
}

TEST(CompanionLauncher, RunningProcessesAreFoundByName) {
    // This test runs, so its own program name is among the processes.
    const QString self =
        QString::fromStdString(fs::read_symlink("/proc/self/exe").filename().string());
    EXPECT_TRUE(isProgramRunning(self));
    EXPECT_FALSE(isProgramRunning(QStringLiteral("no-such-program-eboard")));

    // A child named so, alive, then ended but not yet reaped: only the living one runs.
    int toChild[2];
    ASSERT_EQ(::pipe(toChild), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(toChild[1]);
        ::prctl(PR_SET_NAME, "eboard-child");
        char go = 0;
        static_cast<void>(::read(toChild[0], &go, 1));
        ::_exit(0);
    }
    ::close(toChild[0]);
    EXPECT_TRUE(QTest::qWaitFor([] { return isProgramRunning(QStringLiteral("eboard-child")); }));
    ::close(toChild[1]); // the child ends; it stays a zombie until waited for
    EXPECT_TRUE(QTest::qWaitFor([&] {
        siginfo_t info{};
        return ::waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOWAIT) == 0;
    }));
    EXPECT_FALSE(isProgramRunning(QStringLiteral("eboard-child")));
    ::waitpid(child, nullptr, 0);
}

} // namespace
} // namespace eboard::testing
