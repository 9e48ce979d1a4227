// What assistive technologies find in the agent's windows, through QAccessible: names and
// descriptions in the user's language, buttons with a press action, and the keyboard on
// the boxed dialogs.
#include "PostRecorder.h"
#include "core/state/JUXPrompt.h"
#include "support/EventLoop.h"
#include "ui/AppResources.h"
#include "ui/calibration/CalibrateMessageWindowController.h"
#include "ui/calibration/CalibrateWindowController.h"
#include "ui/calibration/CalibrationPreViewWindowController.h"
#include "ui/dialogs/AbortWindowController.h"
#include "ui/dialogs/CalibrateExcellentWindow.h"
#include "ui/dialogs/CalibrateNotSavedWindow.h"
#include "ui/dialogs/CheckCamPositionWindow.h"
#include "ui/dialogs/DeviceDoNotConnectWindow.h"
#include "ui/dialogs/EndNormalCalibratePoorWindow.h"
#include "ui/dialogs/EndNormalCalibrateWindow.h"
#include "ui/dialogs/StartDiagnosisWindow.h"
#include "ui/dialogs/StartNormalCalibrateDlg.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>
#include <memory>

namespace {

using eboard::AgentWindow;
using eboard::DialogController;
using eboard::JUXPrompt;
using eboard::testing::PostRecorder;
using Posts = std::vector<std::string>;

// Opens a window as the workflow does and hands it what it takes: answer names, a grade
// (area 2, unequal edges: the advice page's hint code 1) or a failure.
template <typename Controller> std::unique_ptr<DialogController> open() {
    auto controller = std::make_unique<Controller>();
    controller->showWindow();
    const QString yes = QStringLiteral("AnswerYes");
    const QString no = QStringLiteral("AnswerNo");
    if constexpr (requires { controller->setErrorType(2, 1, 0, yes, no); }) {
        controller->setErrorType(2, 1, 0, yes, no);
    } else if constexpr (requires { controller->setDlgInfo(1, yes, no); }) {
        controller->setDlgInfo(1, yes, no);
    } else if constexpr (requires { controller->setFailure(yes); }) {
        controller->setFailure(QStringLiteral("/a/b: Read-only file system"));
    } else {
        controller->setDlgInfo(yes, no);
    }
    return controller;
}

// Words are given as "English|German".
struct WindowCase {
    std::unique_ptr<DialogController> (*open)();
    const char* title;
    std::vector<const char*> buttons; // in layout order
    Posts presses;                    // what each button posts
    const char* fromContent;          // a piece of the description
};

const Posts kNoYes{"AnswerNo", "AnswerYes"};

std::vector<WindowCase> windowCases() {
    using namespace eboard;
    return {
        {open<StartNormalCalibrateDlg>,
         "Calibrate the pen|Stift kalibrieren",
         {"No|Nein", "Yes|Ja"},
         kNoYes,
         "then press Space and touch|drücken Sie dann die Leertaste"},
        {open<StartDiagnosisWindow>,
         "Diagnose the camera position|Kameraposition prüfen",
         {"Cancel|Abbrechen", "Start|Starten"},
         kNoYes,
         "how well the camera sees|wie gut die Kamera den Bildschirm sieht"},
        {open<EndNormalCalibratePoorWindow>,
         "Calibration finished|Kalibrierung abgeschlossen",
         {"Finish|Beenden", "Diagnose|Diagnose"},
         kNoYes,
         "Start a diagnosis to get advice|Starten Sie eine Diagnose, um Hinweise"},
        {open<EndNormalCalibrateWindow>,
         "Calibration finished|Kalibrierung abgeschlossen",
         {"OK|OK"},
         {"NormalCalibrateDone"},
         "calibrated and ready to use|kalibriert und einsatzbereit"},
        {open<DeviceDoNotConnectWindow>,
         "Camera unit not connected|Kamera nicht angeschlossen",
         {"OK|OK"},
         {"DeviceNotConnectDone"},
         "into a USB port|an einen USB-Anschluss"},
        {open<CalibrateNotSavedWindow>,
         "Calibration not saved|Kalibrierung nicht gespeichert",
         {"OK|OK"},
         {"CalibrateNotSavedDone"},
         "saved (/a/b: Read-only file system)|werden (/a/b: Read-only file system)"},
        {open<AbortWindowController>,
         "Stop the diagnosis?|Diagnose abbrechen?",
         {"No|Nein", "Yes|Ja"},
         kNoYes,
         "no advice on the camera position|keine Hinweise zur Kameraposition"},
        {open<CalibrateExcellentWindow>,
         "Excellent|Ausgezeichnet",
         {"Diagnose again|Neue Diagnose", "Finish|Fertig"},
         kNoYes,
         "straight on and large|groß und von vorn"},
        {open<CheckCamPositionWindow>,
         "Turn the camera to face the board|Kamera gerade auf die Tafel richten",
         {"Cancel|Abbrechen", "Start calibration|Kalibrierung starten"},
         kNoYes,
         "looks at the board at an angle|blickt schräg auf die Tafel"},
        {open<CalibrateMessageWindowController>,
         "Camera position acceptable|Akzeptable Kameraposition",
         {"Close|Schließen", "Adjust camera|Kamera einstellen"},
         kNoYes,
         "edges of the screen differ in length|Rand des Bildes sind unterschiedlich lang"},
        {open<CalibrationPreViewWindowController>,
         "Check the camera view|Kamerasicht prüfen",
         {},
         {},
         "Press Esc to cancel.|Esc drücken zum Abbrechen."},
        {open<CalibrateWindowController>,
         "Calibration|Kalibrierung",
         {},
         {},
         "hold it there until the next one|halten Sie ihn dort, bis das nächste"},
    };
}

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// Every button under an accessible object, in the order a screen reader walks them.
void collectButtons(QAccessibleInterface* node, std::vector<QAccessibleInterface*>& buttons) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (child->role() == QAccessible::Button) {
            buttons.push_back(child);
        }
        collectButtons(child, buttons);
    }
}

std::vector<QAccessibleInterface*> buttonsOf(QWidget* window) {
    std::vector<QAccessibleInterface*> buttons;
    collectButtons(accessible(window), buttons);
    return buttons;
}

// A key pressed and released where the window's keyboard input goes.
void type(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = window->focusWidget() != nullptr ? window->focusWidget() : window;
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
    target = window->focusWidget() != nullptr ? window->focusWidget() : window;
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(target, &release);
}

// The name of the button that has the window's keyboard; empty while the window keeps it.
std::string focusedName(QWidget* window) {
    QWidget* focused = window->focusWidget();
    return focused == nullptr || focused == window
               ? std::string()
               : accessible(focused)->text(QAccessible::Name).toStdString();
}

// One language's part of "English|German": 0 English, 1 German.
std::string inLanguage(const char* both, int language) {
    const std::string text(both);
    const std::size_t bar = text.find('|');
    return language == 0 ? text.substr(0, bar) : text.substr(bar + 1);
}

void speak(const char* language) {
    ASSERT_TRUE(eboard::installTranslations(*qApp, QLocale(language)));
    JUXPrompt& prompt = JUXPrompt::getPrompt();
    prompt.setScreenWidth(1440);
    prompt.setScreenHeight(900);
    prompt.setItoScreenErrorType(1);
}

class AccessibleWindows : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { speak(GetParam() == 0 ? "en" : "de"); }
    std::string words(const char* both) const { return inLanguage(both, GetParam()); }
};

class InEnglish : public ::testing::Test {
protected:
    void SetUp() override { speak("en"); }
};

TEST_P(AccessibleWindows, SayTheirTextsAndButtonsInTheUsersLanguageAndPressLikeAClick) {
    for (const WindowCase& window : windowCases()) {
        PostRecorder recorder(window.presses);
        const std::unique_ptr<DialogController> controller = window.open();
        AgentWindow* shown = controller->window();
        SCOPED_TRACE(shown->windowTitle().toStdString());
        QAccessibleInterface* face = accessible(shown);
        EXPECT_EQ(face->role(), shown->kind() == AgentWindow::Kind::Boxed ? QAccessible::Dialog
                                                                          : QAccessible::Window);
        EXPECT_EQ(face->text(QAccessible::Name).toStdString(), words(window.title));
        const std::string description = face->text(QAccessible::Description).toStdString();
        EXPECT_NE(description.find(words(window.fromContent)), std::string::npos) << description;

        const std::vector<QAccessibleInterface*> buttons = buttonsOf(shown);
        ASSERT_EQ(buttons.size(), window.buttons.size());
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            EXPECT_EQ(buttons[i]->text(QAccessible::Name).toStdString(), words(window.buttons[i]));
            EXPECT_EQ(buttons[i]->text(QAccessible::Description).toStdString(),
                      words(window.title));
            ASSERT_NE(buttons[i]->actionInterface(), nullptr);
            buttons[i]->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        }
        EXPECT_EQ(recorder.posts, window.presses);
    }
}

INSTANTIATE_TEST_SUITE_P(EnglishAndGerman, AccessibleWindows, ::testing::Values(0, 1));

TEST_F(InEnglish, TabAndEnterPressABoxedDialogsSecondButtonWhilePagesKeepTheirKeys) {
    for (const WindowCase& window : windowCases()) {
        PostRecorder recorder(window.presses);
        const std::unique_ptr<DialogController> controller = window.open();
        AgentWindow* shown = controller->window();
        SCOPED_TRACE(shown->windowTitle().toStdString());
        ASSERT_TRUE(QTest::qWaitFor([&] { return shown->isActiveWindow(); }));
        // Until Tab the window keeps the keyboard and shows what it always showed.
        EXPECT_EQ(QApplication::focusWidget(), shown);
        const QImage untouched = shown->grab().toImage();
        type(shown, Qt::Key_Tab);
        if (shown->kind() == AgentWindow::Kind::FullScreen) {
            type(shown, Qt::Key_Return);
            QTest::qWait(100);
            EXPECT_EQ(QApplication::focusWidget(), shown);
            EXPECT_TRUE(recorder.posts.empty());
            continue;
        }
        EXPECT_EQ(focusedName(shown), inLanguage(window.buttons.front(), 0));
        EXPECT_NE(shown->grab().toImage(), untouched); // the focus ring
        type(shown, Qt::Key_Tab);                      // the second button, or the only one again
        EXPECT_EQ(focusedName(shown), inLanguage(window.buttons.back(), 0));
        type(shown, Qt::Key_Return);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !recorder.posts.empty(); }));
        QTest::qWait(100);
        EXPECT_EQ(recorder.posts, Posts{window.presses.back()});
    }
}

TEST_F(InEnglish, BacktabAndSpaceOnAStartDialogAndEscapeStillAnswersNo) {
    PostRecorder recorder(kNoYes);
    const std::unique_ptr<DialogController> start = windowCases().front().open();
    AgentWindow* shown = start->window();
    type(shown, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focusedName(shown), "Yes");
    type(shown, Qt::Key_Space);
    EXPECT_TRUE(QTest::qWaitFor([&] { return recorder.posts.size() == 1; }));
    type(shown, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return recorder.posts.size() == 2; }));
    EXPECT_EQ(recorder.posts, (Posts{"AnswerYes", "AnswerNo"}));
}

} // namespace
