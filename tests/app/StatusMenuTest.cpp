// The status menu's wake-up, connection indicator, commands and menu, with the command
// bus replaced by a loopback that delivers on a later pass of the event loop.
#include "app/StatusMenu.h"

#include "core/notify/NotificationCenter.h"
#include "core/state/JUXPrompt.h"
#include "support/EventLoop.h"
#include "support/LoopbackBus.h"
#include "support/ScopedEnv.h"
#include "support/SharedState.h"
#include "support/TempDir.h"
#include "ui/AppResources.h"
#include "ui/about/AboutWindowController.h"

#include <QAction>
#include <QApplication>
#include <QDBusConnection>
#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTranslator>
#include <QWidget>
#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>

namespace eboard::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;

// A tray that is there or not as the test says, and starts when it says.
class TrayHostDouble final : public TrayHost {
public:
    bool present() override { return present_; }
    void watch(std::function<void()> appeared) override { appeared_ = std::move(appeared); }
    void setPresent(bool present) { present_ = present; }
    void start() {
        present_ = true;
        if (appeared_) {
            appeared_();
        }
    }

private:
    bool present_ = true;
    std::function<void()> appeared_;
};

class StatusMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        homeEnv.emplace("HOME", home.path().string());
        resetSharedState();
        menu.setExitFunction([this](int status) { exitStatus = status; });
    }

    void wake() {
        menu.awakeFromNib();
        bus.posted.clear();
    }

    TempDir home;
    std::optional<ScopedEnv> homeEnv;
    LoopbackBus bus;
    bool instanceFree = true;
    std::unique_ptr<TrayHostDouble> trayOwned = std::make_unique<TrayHostDouble>();
    TrayHostDouble* tray = trayOwned.get();
    StatusMenu menu{bus, [this] { return instanceFree; }, std::move(trayOwned)};
    std::optional<int> exitStatus;
};

TEST_F(StatusMenuTest, FirstWakeUpAnnouncesTheAgentAndCreatesTheDataFolder) {
    menu.awakeFromNib();
    EXPECT_THAT(bus.postedNames(), ElementsAre("DriverOpened"));
    EXPECT_EQ(bus.posted[0].object, "com.jux.command");
    EXPECT_TRUE(bus.posted[0].userInfo.empty());
    EXPECT_TRUE(fs::is_directory(home / "Library/HN-42_driver"));
    EXPECT_TRUE(JUXPrompt::getPrompt().bFirstRun());
    EXPECT_EQ(JUXPrompt::getPrompt().iFirstCalibrate(), 0);
    EXPECT_EQ(menu.statusImageName(), "ng.png");
    ASSERT_NE(menu.statusItem(), nullptr);
    EXPECT_TRUE(menu.statusItem()->isVisible());
    EXPECT_EQ(menu.statusItem()->contextMenu(), menu.clickMenu());
}

// With the agent's icons in the icon theme the tray shows their symbolic icons by name, so
// the panel can draw and recolour them; without them, the drawn pictures.
TEST_F(StatusMenuTest, TheTrayTakesTheThemesSymbolicIconsWhereThereAreAny) {
    const QStringList searchPaths = QIcon::themeSearchPaths();
    menu.awakeFromNib();
    EXPECT_TRUE(menu.statusItem()->icon().name().isEmpty()) << "no theme has them yet";
    // The theme's index from the system (hicolor-icon-theme), the icons from the tree.
    QIcon::setThemeSearchPaths(
        {QStringLiteral(EBOARD_SOURCE_DIR "/resources/icons"), QStringLiteral("/usr/share/icons")});
    QIcon::setThemeName(QStringLiteral("hicolor"));
    NotificationCenter::defaultCenter().postNotification("hidConnectOK");
    EXPECT_EQ(menu.statusItem()->icon().name(), "eboard-connected-symbolic");
    EXPECT_FALSE(menu.statusItem()->icon().pixmap(22).isNull());
    NotificationCenter::defaultCenter().postNotification("hidConnectNG");
    EXPECT_EQ(menu.statusItem()->icon().name(), "eboard-disconnected-symbolic");
    QIcon::setThemeSearchPaths(searchPaths);
}

TEST_F(StatusMenuTest, LaterWakeUpFindsTheFolderAndTheThresholds) {
    fs::create_directories(home / "Library/HN-42_driver");
    writeText(home / "Library/HN-42_driver/checkvalue.dat", "x");
    menu.awakeFromNib();
    EXPECT_FALSE(JUXPrompt::getPrompt().bFirstRun());
    EXPECT_EQ(JUXPrompt::getPrompt().iFirstCalibrate(), 1);
}

TEST_F(StatusMenuTest, SecondInstanceOnlyRequestsTermination) {
    instanceFree = false;
    menu.awakeFromNib();
    EXPECT_TRUE(menu.terminationRequested());
    EXPECT_TRUE(bus.posted.empty()) << "a second copy must not announce itself";
    EXPECT_TRUE(bus.observers.empty());
    EXPECT_EQ(NotificationCenter::defaultCenter().observerCount("hidConnectOK"), 0u);
    EXPECT_FALSE(fs::exists(home / "Library"));
    EXPECT_EQ(menu.statusItem(), nullptr);
}

TEST_F(StatusMenuTest, ConnectWithoutAKnownCalibrationStartsOneAndAnnounces) {
    wake();
    JUXPrompt::getPrompt().setIFirstCalibrate(0);
    NotificationCenter::defaultCenter().postNotification("hidConnectOK");
    EXPECT_EQ(menu.statusImageName(), "ok.png");
    EXPECT_EQ(JUXPrompt::getPrompt().connectionState(), 1);
    EXPECT_THAT(bus.postedNames(), ElementsAre("StartCalibrate", "HN42Connected"));
    for (const auto& notification : bus.posted) {
        EXPECT_EQ(notification.object, "com.jux.command");
    }
}

TEST_F(StatusMenuTest, ConnectWithAKnownCalibrationOnlyAnnounces) {
    wake();
    JUXPrompt::getPrompt().setIFirstCalibrate(1);
    NotificationCenter::defaultCenter().postNotification("hidConnectOK");
    EXPECT_THAT(bus.postedNames(), ElementsAre("HN42Connected"));
}

TEST_F(StatusMenuTest, DisconnectSwapsThePictureAnnouncesAndEndsTheSequence) {
    wake();
    JUXPrompt::getPrompt().setIFirstCalibrate(1);
    NotificationCenter::defaultCenter().postNotification("hidConnectOK");
    JUXPrompt::getPrompt().setBInPrograss(true);
    JUXPrompt::getPrompt().setCurrentStatus(JUXPrompt::kTargetCaptureMode);
    bus.posted.clear();
    NotificationCenter::defaultCenter().postNotification("hidConnectNG");
    EXPECT_EQ(menu.statusImageName(), "ng.png");
    EXPECT_EQ(JUXPrompt::getPrompt().connectionState(), 0);
    EXPECT_FALSE(JUXPrompt::getPrompt().bInPrograss());
    EXPECT_EQ(JUXPrompt::getPrompt().currentStatus(), JUXPrompt::kPointerMode)
        << "the pen drives the pointer again once the closed screens are gone";
    EXPECT_THAT(bus.postedNames(), ElementsAre("HN42DisConnected"));
    JUXPrompt::getPrompt().setCurrentStatus(JUXPrompt::kPointerMode);
}

TEST_F(StatusMenuTest, QuitExitsWithZeroOnALaterPass) {
    wake();
    bus.postNotification("Quit", kCommandObject, {});
    EXPECT_FALSE(exitStatus) << "never inside the posting call";
    ASSERT_TRUE(QTest::qWaitFor([&] { return exitStatus.has_value(); }));
    EXPECT_EQ(*exitStatus, 0);
}

TEST_F(StatusMenuTest, CommandsWithAnotherObjectAreNotDelivered) {
    wake();
    bus.postNotification("Quit", "com.jux.command.other", {});
    bus.postNotification("Quit", "", {});
    drainEvents();
    EXPECT_FALSE(exitStatus);
}

TEST_F(StatusMenuTest, SetSmoothValueStoresTheIntegerValue) {
    wake();
    struct Case {
        UserInfo userInfo;
        std::int32_t expected;
    };
    const Case cases[] = {
        {{{"smoothvalue", std::string("10")}}, 10},
        {{{"smoothvalue", std::int64_t{3}}}, 3},
        {{}, 0},
        {{{"smoothvalue", std::string("abc")}}, 0},
        {{{"smoothvalue", std::int64_t{-2}}}, -2},
        {{{"smoothvalue", std::int64_t{1LL << 40}}}, 2147483647},
    };
    for (const auto& c : cases) {
        JUXPrompt::getPrompt().setIsmooth(99);
        bus.postNotification("SetSmoothValue", kCommandObject, c.userInfo);
        drainEvents();
        EXPECT_EQ(JUXPrompt::getPrompt().ismooth(), c.expected);
    }
}

int aboutWindowCount() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        count += widget->windowTitle() == QLatin1String("About") ? 1 : 0;
    }
    return count;
}

TEST_F(StatusMenuTest, VersionTwiceShowsOneAboutWindow) {
    wake();
    const int before = aboutWindowCount();
    bus.postNotification("Version", kCommandObject, {});
    drainEvents();
    ASSERT_NE(menu.aboutController(), nullptr);
    AboutWindowController* first = menu.aboutController();
    QWidget* window = first->window();
    EXPECT_TRUE(window->isVisible());
    window->close();
    bus.postNotification("Version", kCommandObject, {});
    drainEvents();
    EXPECT_EQ(menu.aboutController(), first);
    EXPECT_TRUE(window->isVisible()) << "a closed About window comes back";
    EXPECT_EQ(aboutWindowCount(), before + 1);

    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(window->windowTitle(), "About");
    window->close();
}

TEST_F(StatusMenuTest, MenuItemsPostTheSameCommandsAsOtherProcesses) {
    wake();
    const QList<QAction*> actions = menu.clickMenu()->actions();
    std::vector<QAction*> items;
    for (QAction* action : actions) {
        if (!action->isSeparator()) {
            items.push_back(action);
        }
    }
    ASSERT_EQ(items.size(), 4u);
    items[0]->trigger();
    items[1]->trigger();
    EXPECT_THAT(bus.postedNames(), ElementsAre("StartCalibrate", "CompleteCalibrate"));
    items[3]->trigger();
    EXPECT_EQ(bus.posted.back().name, "Quit");
    EXPECT_FALSE(exitStatus);
    ASSERT_TRUE(QTest::qWaitFor([&] { return exitStatus.has_value(); }))
        << "the menu's Quit takes the bus path to quit";
}

// A desktop without a tray is reported once at wake-up; Annotate with nothing to start at
// every click (the notices decide how often the user reads it).
TEST_F(StatusMenuTest, NoTrayAndAnnotateWithNothingToStartAreReported) {
    std::vector<std::string> reports;
    menu.setProblemReporter([&](const ProblemReport& report) {
        reports.push_back(std::string(problemEntry(report.problem).id) + " " + report.detail);
    });
    ScopedEnv data("XDG_DATA_HOME", (home / "data").string());
    ScopedEnv dataDirs("XDG_DATA_DIRS", (home / "none").string());
    ScopedEnv path("PATH", (home / "bin").string());
    tray->setPresent(false);
    wake();
    menu.menu_OpenAnnotate();
    menu.menu_OpenAnnotate();
    EXPECT_EQ(reports, (std::vector<std::string>{"no-tray ", "no-annotation-app Skribo",
                                                 "no-annotation-app Skribo"}));
}

// An autostarted agent can win the race against the shell's tray at login: the icon comes
// when the tray does, in the state the unit is in, and once only.
TEST_F(StatusMenuTest, TheIconComesWhenATrayStarts) {
    tray->setPresent(false);
    wake();
    EXPECT_EQ(menu.statusItem(), nullptr);
    NotificationCenter::defaultCenter().postNotification("hidConnectOK");
    tray->start();
    ASSERT_NE(menu.statusItem(), nullptr);
    EXPECT_TRUE(menu.statusItem()->isVisible());
    EXPECT_EQ(menu.statusItem()->contextMenu(), menu.clickMenu());
    EXPECT_EQ(menu.statusImageName(), "ok.png");
    QSystemTrayIcon* first = menu.statusItem();
    tray->start(); // a tray host that went away and came back keeps the one icon
    EXPECT_EQ(menu.statusItem(), first);
}

// The session's tray host: a StatusNotifier watcher taking its name on the bus is a tray.
TEST(SessionTrayHost, AStatusNotifierWatcherOnTheBusIsATray) {
    QDBusConnection peer = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "tray");
    if (!peer.isConnected()) {
        GTEST_SKIP() << "needs a session bus";
    }
    SessionTrayHost host(QDBusConnection::sessionBus());
    int appeared = 0;
    host.watch([&appeared] { ++appeared; });
    EXPECT_FALSE(host.present());
    ASSERT_TRUE(peer.registerService(QStringLiteral("org.kde.StatusNotifierWatcher")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return appeared == 1; }, 5000));
    EXPECT_TRUE(host.present());
    peer.unregisterService(QStringLiteral("org.kde.StatusNotifierWatcher"));
}

TEST_F(StatusMenuTest, MenuTitlesComeFromTheStringTable) {
    // Without a table a key shows itself.
    wake();
    const QList<QAction*> actions = menu.clickMenu()->actions();
    EXPECT_EQ(actions.front()->text(), "menu_calibrate");
    EXPECT_EQ(actions.back()->text(), "menu_Quit");
}

TEST(StringTables, EveryLanguageHasEveryKeyTheAgentUses) {
    const char* keys[] = {"menu_calibrate", "menu_Diagnosis", "menu_Annotate", "menu_Quit",
                          "about_version"};
    const char* aboutKeys[] = {"about_product", "about_description", "about_copyright"};
    for (const char* language : {"en", "zh", "ja", "fr", "de"}) {
        QTranslator table;
        ASSERT_TRUE(table.load(QStringLiteral("eboard_") + language,
                               resourceFolder() + QStringLiteral("/translations")))
            << language;
        for (const char* key : keys) {
            const QString text = table.translate("Localizable", key);
            EXPECT_FALSE(text.isEmpty()) << language << " " << key;
            EXPECT_NE(text, QString::fromLatin1(key)) << language << " " << key;
        }
        for (const char* key : aboutKeys) {
            EXPECT_FALSE(table.translate("AboutWindowController", key).isEmpty())
                << language << " " << key;
        }
        EXPECT_TRUE(table.translate("Localizable", "about_version").contains("%1")) << language;
    }
}

TEST(StringTables, EnglishIsTheFallbackForUnlistedLanguages) {
    ASSERT_TRUE(installTranslations(*QCoreApplication::instance(),
                                    QLocale(QLocale::Portuguese, QLocale::Brazil)));
    EXPECT_EQ(localizedString("menu_Quit"), "Quit");
    ASSERT_TRUE(installTranslations(*QCoreApplication::instance(), QLocale(QLocale::German)));
    EXPECT_EQ(localizedString("menu_Quit"), "Beenden");
    // Later tests expect keys: remove what was installed.
    for (QTranslator* table : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(table);
        table->deleteLater();
    }
    drainEvents();
    EXPECT_EQ(localizedString("menu_Quit"), "menu_Quit");
}

TEST(Pictures, StatusPicturesAreInstalledBesideTheProgram) {
    for (const char* name : {"ok.png", "ng.png"}) {
        const QPixmap picture = loadPicture(QString::fromLatin1(name));
        ASSERT_FALSE(picture.isNull()) << name;
        EXPECT_EQ(picture.size(), QSize(22, 22)) << name;
    }
}

} // namespace
} // namespace eboard::testing
