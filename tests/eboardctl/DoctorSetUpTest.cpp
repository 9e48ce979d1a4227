// `eboardctl doctor` in emulated set-ups: a camera unit and /dev/uinput under umockdev, a
// tray host on the private session bus, the data files in a scratch home. Each set-up
// breaks one thing of a sound one and must turn exactly its lines into problems, with the
// exit status counting them.
#include "core/base/DataPaths.h"
#include "core/calibration/SettingArchive.h"
#include "support/Eboardctl.h"
#include "support/MockUnitBed.h"
#include "support/TempDir.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace eboard::testing {
namespace {

namespace fs = std::filesystem;

const QString kTrayHost = QStringLiteral("org.kde.StatusNotifierWatcher");

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        result.push_back(line);
    }
    return result;
}

std::vector<std::string> without(const std::vector<std::string>& these,
                                 const std::vector<std::string>& those) {
    std::vector<std::string> rest;
    std::copy_if(these.begin(), these.end(), std::back_inserter(rest), [&](const auto& line) {
        return std::find(those.begin(), those.end(), line) == those.end();
    });
    return rest;
}

class DoctorSetUp : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::getenv("DISPLAY") == nullptr || !peer.isConnected()) {
            GTEST_SKIP() << "needs an X display and a session bus";
        }
        fs::remove_all(dataDirectory(home.path()));
        fs::create_directories(dataDirectory(home.path()));
        ASSERT_FALSE(writeSettingArchive(archivePath(home.path()),
                                         SettingData({64, 288, 576, 288, 64, 32, 576, 32})));
        fs::create_directories(home / ".config/autostart");
        writeText(autostart(), "[Desktop Entry]\nType=Application\nName=eBoardAgent\nExec=sh\n");
        if (!unit.plugged()) {
            MockUnitBed::instance().plug(unit);
        }
        ASSERT_EQ(::chmod(unit.nodeLink().c_str(), 0600), 0);
        writeText(uinput(), "");
        ASSERT_EQ(::chmod(uinput().c_str(), 0666), 0);
        ASSERT_TRUE(peer.registerService(kTrayHost));
    }
    void TearDown() override { peer.unregisterService(kTrayHost); }

    fs::path autostart() const { return home / ".config/autostart/eBoardAgent.desktop"; }
    static std::string uinput() { return MockUnitBed::instance().devPath("/dev/uinput"); }

    // Root reads and writes anything; without these two capabilities it obeys the modes
    // like the desktop's user does.
    CommandResult doctor(const std::string& environment = {}) const {
        const std::string asUser =
            ::geteuid() == 0 ? "setpriv --bounding-set=-dac_override,-dac_read_search -- " : "";
        return runCommand("env -u XDG_CONFIG_HOME -u WAYLAND_DISPLAY HOME=" + quoted(home.path()) +
                          " " + environment + " " + asUser +
                          eboardctlCommand("doctor", {}, Stderr::Dropped));
    }

    MockUnit unit;
    TempDir home;
    QDBusConnection peer = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "doctor");
};

TEST_F(DoctorSetUp, EachBrokenPartIsItsOwnProblemWithItsFix) {
    const CommandResult sound = doctor();
    const std::vector<std::string> soundLines = lines(sound.out);
    const std::string display = std::getenv("DISPLAY");
    for (const std::string& line :
         {"\u2713 session: X11, display " + display, std::string("\u2717 agent: not running"),
          std::string("\u2713 system tray: a StatusNotifier host (org.kde.StatusNotifierWatcher)"),
          "\u2713 camera unit: " + unit.node() + ", readable by you",
          std::string("\u2713 pointer: /dev/uinput is writable, the pen moves the pointer through "
                      "uinput"),
          "\u2713 autostart: " + autostart().string() + " starts sh",
          std::string("\u2713 data files: each one there is a readable regular file"),
          std::string("\u2713 calibration: usable"),
          std::string("\u2713 board output: the primary output")}) {
        EXPECT_NE(std::find(soundLines.begin(), soundLines.end(), line), soundLines.end())
            << line << "\nin:\n"
            << sound.out;
    }
    const auto problems =
        std::count_if(soundLines.begin(), soundLines.end(),
                      [](const std::string& l) { return l.starts_with("\u2717"); });
    EXPECT_EQ(sound.status, problems);

    const std::string archive = archivePath(home.path()).string();
    struct Case {
        const char* name;
        std::function<void()> breakIt;
        std::vector<std::string> gone;
        std::vector<std::string> come;
        int moreProblems;
        std::string environment = {};
    };
    const Case cases[] = {
        {"unit not readable",
         [&] { ASSERT_EQ(::chmod(unit.nodeLink().c_str(), 0), 0); },
         {"\u2713 camera unit: " + unit.node() + ", readable by you"},
         {"\u2717 camera unit: " + unit.node() + " is not readable by you (Permission denied)"},
         1},
        // On X11 XTest stands in for uinput.
        {"uinput not writable",
         [&] { ASSERT_EQ(::chmod(uinput().c_str(), 0444), 0); },
         {"\u2713 pointer: /dev/uinput is writable, the pen moves the pointer through uinput"},
         {"\u2713 pointer: XTest on display " + display +
          " (/dev/uinput is not writable; uinput also works on Wayland: install "
          "eboard-uinput-access)"},
         0},
        {"uinput not writable on Wayland",
         [&] { ASSERT_EQ(::chmod(uinput().c_str(), 0444), 0); },
         {"\u2713 session: X11, display " + display,
          "\u2713 pointer: /dev/uinput is writable, the pen moves the pointer through uinput"},
         {"\u2713 session: Wayland (wayland-9)",
          "\u2713 XWayland: display " + display +
              ", where the calibration screens open full screen",
          "\u2717 pointer: nothing can move it: /dev/uinput is not writable (Permission denied) "
          "and XTest does not reach the pointer of a Wayland session"},
         1,
         "WAYLAND_DISPLAY=wayland-9"},
        {"no tray",
         [&] { peer.unregisterService(kTrayHost); },
         {"\u2713 system tray: a StatusNotifier host (org.kde.StatusNotifierWatcher)"},
         {"\u2717 system tray: none, the agent runs without an icon"},
         1},
        {"a FIFO at the archive",
         [&] {
             fs::remove(archive);
             ASSERT_EQ(::mkfifo(archive.c_str(), 0600), 0);
         },
         {"\u2713 data files: each one there is a readable regular file",
          "\u2713 calibration: usable"},
         {"\u2717 data file: " + archive + ": it is a FIFO, not a regular file",
          "\u2717 calibration: " + archive + " cannot be read"},
         2},
        {"corners that enclose no area",
         [&] {
             ASSERT_FALSE(writeSettingArchive(archive, SettingData({1, 1, 1, 1, 1, 1, 1, 1})));
         },
         {"\u2713 calibration: usable"},
         {"\u2717 calibration: its four corners enclose no area, the pen is ignored"},
         1},
        {"autostart program gone",
         [&] {
             writeText(autostart(), "[Desktop Entry]\nType=Application\nName=eBoardAgent\n"
                                    "Exec=/nonexistent/eBoardAgent\n");
         },
         {"\u2713 autostart: " + autostart().string() + " starts sh"},
         {"\u2717 autostart: " + autostart().string() +
          " starts \"/nonexistent/eBoardAgent\", which is not there"},
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        c.breakIt();
        const CommandResult broken = doctor(c.environment);
        const std::vector<std::string> brokenLines = lines(broken.out);
        EXPECT_EQ(without(soundLines, brokenLines), c.gone) << broken.out;
        // Each new problem is followed by its fix.
        std::vector<std::string> come = without(brokenLines, soundLines);
        std::erase_if(come, [](const std::string& l) { return l.starts_with("  fix: "); });
        EXPECT_EQ(come, c.come) << broken.out;
        EXPECT_EQ(broken.status, sound.status + c.moreProblems);
        TearDown();
    }
}

} // namespace
} // namespace eboard::testing
