// One user language for everything the agent shows. This executable runs with
// LANGUAGE=es:de and LANG=en_US.UTF-8, set by its own main before Qt reads them: the user
// reads Spanish first, then German, and no Spanish table exists. The string table (texts
// and the pictures it names) and localeID (where the pictures' click areas lie) must both
// take German.
#include "app/StatusMenu.h"
#include "core/layout/ResultLayout.h"
#include "core/state/JUXPrompt.h"
#include "support/LoopbackBus.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"
#include "ui/AppResources.h"

#include <QApplication>
#include <QTranslator>
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>

namespace eboard::testing {
namespace {

TEST(UserLanguage, TheStringTableAndThePicturePlacementTakeTheSameLanguage) {
    TempDir home;
    ScopedEnv homeEnv("HOME", home.path().string());

    // As the agent starts: the string table, then the status menu wakes up.
    ASSERT_TRUE(installTranslations(*QCoreApplication::instance()));
    LoopbackBus bus;
    StatusMenu menu(bus, [] { return true; });
    menu.awakeFromNib();

    EXPECT_EQ(localizedString("menu_Quit"), QStringLiteral("Beenden"));
    EXPECT_TRUE(
        picturePath(QStringLiteral("SCPD_2.png")).endsWith(QStringLiteral("/de/SCPD_2.png")))
        << picturePath(QStringLiteral("SCPD_2.png")).toStdString();
    const JUXPrompt& prompt = JUXPrompt::getPrompt();
    EXPECT_EQ(prompt.localeID(), JUXPrompt::kGerman);
    // The German pictures are drawn raised; the click areas follow only with localeID.
    EXPECT_EQ(layout::languageShift(prompt.localeID()), 10.0);

    for (QTranslator* table : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(table);
    }
}

} // namespace
} // namespace eboard::testing

int main(int argc, char** argv) {
    ::setenv("LANGUAGE", "es:de", 1);
    ::setenv("LANG", "en_US.UTF-8", 1);
    ::unsetenv("LC_ALL");
    ::unsetenv("LC_MESSAGES");
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
