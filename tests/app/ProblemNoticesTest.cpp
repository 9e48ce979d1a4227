// What a desktop user is told when the pen does nothing: through the desktop's
// notification service, in the user's language, once per cause; the tray's balloon where
// there is no service.
#include "app/ProblemNotices.h"

#include "bus/FreedesktopNotifier.h"
#include "support/EventLoop.h"
#include "support/NotificationServiceDouble.h"
#include "support/RecordingNotifier.h"
#include "ui/AppResources.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QTranslator>
#include <gtest/gtest.h>
#include <memory>

namespace eboard::testing {
namespace {

QString translationFolder() {
    return resourceFolder() + QStringLiteral("/translations");
}

class ProblemNoticesTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QDBusConnection::sessionBus().isConnected()) {
            GTEST_SKIP() << "needs a session bus (run under dbus-run-session)";
        }
        auto freedesktop = std::make_unique<FreedesktopNotifier>(QDBusConnection::sessionBus(),
                                                                 QStringLiteral("eBoardAgent"),
                                                                 QStringLiteral("eboard-agent"));
        service = freedesktop.get();
        auto recording = std::make_unique<RecordingNotifier>();
        balloon = recording.get();
        notices.addNotifier(std::move(freedesktop));
        notices.addNotifier(std::move(recording));
    }

    ProblemNotices notices;
    FreedesktopNotifier* service = nullptr;
    RecordingNotifier* balloon = nullptr;
};

TEST_F(ProblemNoticesTest, TheNotificationServiceGetsEachCauseOnceInTheUsersLanguage) {
    NotificationServiceDouble desktop;
    ASSERT_TRUE(desktop.start());
    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral("eboard_de"), translationFolder()));
    ASSERT_TRUE(QCoreApplication::installTranslator(&german));

    for (int round = 0; round < 2; ++round) {
        notices.report({Problem::UnitNotReadable, "/dev/hidraw3"});
        notices.report({Problem::NoTray, ""});
        notices.report({Problem::NoAnnotationApp, "Skribo"});
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return desktop.notices.size() >= 4; }));
    QTest::qWait(200); // nothing more is on its way
    QCoreApplication::removeTranslator(&german);

    ASSERT_EQ(desktop.notices.size(), 4u);
    const NotificationServiceDouble::Notice& unit = desktop.notices[0];
    EXPECT_EQ(unit.signature, "susssasa{sv}i");
    EXPECT_EQ(unit.appName, "eBoardAgent");
    EXPECT_EQ(unit.replacesId, 0u);
    EXPECT_EQ(unit.appIcon, "eboard-agent");
    EXPECT_EQ(unit.summary, "Die Kameraeinheit kann nicht gelesen werden");
    EXPECT_TRUE(unit.body.contains("/dev/hidraw3 verweigert")) << unit.body.toStdString();
    EXPECT_TRUE(unit.body.contains("60-eboard-hn42.rules")) << unit.body.toStdString();
    EXPECT_TRUE(unit.actions.isEmpty());
    EXPECT_EQ(unit.expireTimeout, -1);
    // The protocol's urgency is a byte; servers ignore any other type.
    const QVariant urgency = unit.hints.value(QStringLiteral("urgency"));
    EXPECT_EQ(urgency.metaType(), QMetaType::fromType<uchar>());
    EXPECT_EQ(urgency.toInt(), 2);

    EXPECT_EQ(desktop.notices[1].summary, "Kein Infobereich auf dieser Arbeitsfläche");
    EXPECT_TRUE(desktop.notices[1].body.contains("gnome-shell-extension-appindicator"));
    EXPECT_EQ(desktop.notices[1].hints.value(QStringLiteral("urgency")).toInt(), 1);
    // Annotate answers a click: each click that starts nothing is told.
    for (const std::size_t i : {2u, 3u}) {
        EXPECT_EQ(desktop.notices[i].summary, "Keine Anwendung zum Kommentieren");
        EXPECT_TRUE(desktop.notices[i].body.startsWith("„Kommentieren“ öffnet Skribo,"))
            << desktop.notices[i].body.toStdString();
    }
    EXPECT_TRUE(balloon->shown.empty());
}

TEST_F(ProblemNoticesTest, WithoutTheServiceTheBalloonShowsItAndTheServiceWhenItComes) {
    const QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    ASSERT_NE(bus, nullptr);
    if (bus->activatableServiceNames().value().contains(
            QStringLiteral("org.freedesktop.Notifications"))) {
        GTEST_SKIP() << "this bus starts a notification service";
    }
    EXPECT_FALSE(service->servicePresent());
    notices.report({Problem::CalibrationNoArea, "/home/u/Library/HN-42_driver/SettingData"});
    ASSERT_EQ(balloon->shown.size(), 1u);
    // No table installed: the keys show themselves.
    EXPECT_EQ(balloon->shown[0].summary, "notice_calibrationNoArea_title");
    EXPECT_EQ(balloon->shown[0].urgency, NoticeUrgency::Critical);

    NotificationServiceDouble desktop;
    ASSERT_TRUE(desktop.start());
    EXPECT_TRUE(service->servicePresent());
    notices.report({Problem::CalibrationUnreadable, "/tmp/x"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return desktop.notices.size() == 1; }));
    EXPECT_EQ(balloon->shown.size(), 1u);
}

// Every language says every notice, and keeps the detail (a node, a file, an
// application) wherever English has it.
TEST(ProblemTexts, EveryLanguageHasEveryNoticeWithItsPlaceholder) {
    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral("eboard_en"), translationFolder()));
    for (const char* language : {"en", "de", "fr", "ja", "zh"}) {
        QTranslator table;
        ASSERT_TRUE(table.load(QStringLiteral("eboard_") + language, translationFolder()));
        for (const ProblemEntry& entry : kProblems) {
            for (const std::string_view key : {entry.summaryKey, entry.bodyKey}) {
                const std::string k(key);
                const QString text = table.translate("Localizable", k.c_str());
                const QString source = english.translate("Localizable", k.c_str());
                ASSERT_FALSE(text.isEmpty()) << language << " " << k;
                EXPECT_EQ(text.count(QLatin1String("%1")) > 0,
                          source.count(QLatin1String("%1")) > 0)
                    << language << " " << k;
                if (std::string_view(language) != "en") {
                    EXPECT_NE(text, source) << language << " " << k << " is not translated";
                }
            }
        }
    }
}

} // namespace
} // namespace eboard::testing
