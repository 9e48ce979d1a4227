// The dialog windows on a real X display: clicks and keys sent through XTest, what
// reaches the screen. Runs on bare Xvfb and under a window manager, at whatever size the
// display has.
#include "PostRecorder.h"
#include "WindowFixture.h"
#include "core/layout/DialogLayout.h"
#include "support/RunCommand.h"
#include "ui/AppResources.h"
#include "ui/common/X11Windows.h"
#include "ui/dialogs/AbortWindowController.h"
#include "ui/dialogs/CalibrateExcellentWindow.h"
#include "ui/dialogs/CheckCamPositionWindow.h"
#include "ui/dialogs/DeviceDoNotConnectWindow.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui/dialogs/DialogViews.h"
#include "ui/dialogs/EndNormalCalibratePoorWindow.h"
#include "ui/dialogs/EndNormalCalibrateWindow.h"
#include "ui/dialogs/StartDiagnosisWindow.h"
#include "ui/dialogs/StartNormalCalibrateDlg.h"

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPixmapCache>
#include <QWindow>
#include <string>

// After every Qt header: the X headers define macros that clash with Qt's.
#include <X11/Xlib.h>

namespace eboard {
namespace {

using testing::onScreen;
using testing::PostRecorder;
using testing::runCommand;
using Posts = std::vector<std::string>;

bool near(QRgb pixel, QColor colour) {
    return std::abs(qRed(pixel) - colour.red()) < 8 &&
           std::abs(qGreen(pixel) - colour.green()) < 8 &&
           std::abs(qBlue(pixel) - colour.blue()) < 8;
}

class DialogWindowTest : public testing::WindowFixture {
protected:
    static void SetUpTestSuite() { installTranslations(*qApp, QLocale("en")); }

    void SetUp() override {
        WindowFixture::SetUp();
        // Faces and pages of flat colours, so what reaches the screen can be told apart.
        addPicture(QStringLiteral("CP_1-btn-no.png"), 20, 10, Qt::red);
        addPicture(QStringLiteral("CP_1-btn-yes.png"), 20, 10, Qt::green);
        addPicture(QStringLiteral("SCPD_2.png"), 600, 400, QColor(0, 0, 255));
        addPicture(QStringLiteral("SCPD_6-3ct.png"), 600, 400, QColor(255, 255, 0));
        addPicture(QStringLiteral("BKg.png"), 10, 10, QColor(40, 40, 40));
        desktop.moveTo(0, 0);
    }

    // Waits until the window is on screen, has the keyboard and was drawn.
    static void shown(QWidget* window) {
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return window->isVisible() && QGuiApplication::focusWindow() == window->windowHandle();
        }));
        QTest::qWait(200);
    }

    // A left click at the centre of a widget, through XTest.
    void clickAt(QWidget* widget) const {
        ASSERT_NE(widget, nullptr);
        const QPoint c = widget->mapToGlobal(widget->rect().center());
        ASSERT_TRUE(desktop.click(c.x(), c.y()));
    }

    // Waits for the expected posts, then a little longer for any extra one.
    static void expectPosts(const PostRecorder& recorder, const Posts& expected) {
        (void)QTest::qWaitFor([&] { return recorder.posts.size() >= expected.size(); }, 3000);
        QTest::qWait(150);
        EXPECT_EQ(recorder.posts, expected);
    }
};

TEST_F(DialogWindowTest, ClicksOnTwoButtonDialogsPostTheHandedInNames) {
    PostRecorder recorder{"showCalibrationYes", "showCalibrationNo", "NormalCalibrateEnd",
                          "NormalCalibrateToDiagnosis", " "};
    {
        StartNormalCalibrateDlg dialog;
        dialog.showWindow();
        shown(dialog.window());
        // Boxed: its layout's size, centred on the board screen.
        EXPECT_LE((dialog.window()->frameGeometry().center() - boardScreenGeometry().center())
                      .manhattanLength(),
                  2);
        clickAt(dialog.btn_YES());
        clickAt(dialog.btn_NO());
        expectPosts(recorder, {});
        dialog.setDlgInfo(QStringLiteral("showCalibrationYes"),
                          QStringLiteral("showCalibrationNo"));
        clickAt(dialog.btn_YES());
        clickAt(dialog.btn_NO());
        expectPosts(recorder, {"showCalibrationYes", "showCalibrationNo"});
    }
    recorder.posts.clear();
    {
        StartDiagnosisWindow dialog;
        dialog.showWindow();
        shown(dialog.window());
        dialog.setDlgInfo(QStringLiteral("showCalibrationYes"),
                          QStringLiteral("showCalibrationNo"));
        clickAt(dialog.btn_cancel());
        clickAt(dialog.btn_start());
        expectPosts(recorder, {"showCalibrationNo", "showCalibrationYes"});
    }
    recorder.posts.clear();
    {
        EndNormalCalibratePoorWindow dialog;
        dialog.showWindow();
        shown(dialog.window());
        dialog.setDlgInfo(QStringLiteral("NormalCalibrateToDiagnosis"),
                          QStringLiteral("NormalCalibrateEnd"));
        clickAt(dialog.btn_End_StartDia());
        clickAt(dialog.btn_End_FinishCal());
        expectPosts(recorder, {"NormalCalibrateToDiagnosis", "NormalCalibrateEnd"});
    }
}

TEST_F(DialogWindowTest, OkButtonsCloseTheirOwnDialog) {
    PostRecorder recorder{"NormalCalibrateDone", "DeviceNotConnectDone"};
    EndNormalCalibrateWindow end;
    end.showWindow();
    shown(end.window());
    const QString backdrop = picturePath(QStringLiteral("BKg.png"));
    QPixmap cached;
    EXPECT_TRUE(QPixmapCache::find(backdrop, &cached));
    clickAt(end.btn_EndNormalCal_OK());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !end.window()->isVisible(); }));
    // Closed, it gives its native window, pixels and decoded pictures back; shown again,
    // it works as before.
    ASSERT_TRUE(QTest::qWaitFor([&] { return end.window()->backingStore() == nullptr; }));
    EXPECT_EQ(end.window()->windowHandle(), nullptr);
    EXPECT_FALSE(QPixmapCache::find(backdrop, &cached));
    end.showWindow();
    shown(end.window());
    clickAt(end.btn_EndNormalCal_OK()); // posts again; closing was a one-time answer
    ASSERT_TRUE(QTest::qWaitFor([&] { return recorder.posts.size() == 2; }, 3000));
    end.close();

    DeviceDoNotConnectWindow device;
    device.showWindow();
    shown(device.window());
    clickAt(device.btn_OK());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !device.window()->isVisible(); }));
    expectPosts(recorder, {"NormalCalibrateDone", "NormalCalibrateDone", "DeviceNotConnectDone"});
}

TEST_F(DialogWindowTest, ReleaseAwayFromTheButtonStillPosts) {
    PostRecorder recorder{"StopResultYes", "StopResultNo"};
    AbortWindowController abort;
    abort.showWindow();
    shown(abort.window());
    abort.setDlgInfo(1, QStringLiteral("StopResultYes"), QStringLiteral("StopResultNo"));
    const QPoint c = abort.btn_AbortYes()->mapToGlobal(abort.btn_AbortYes()->rect().center());
    desktop.press(c.x(), c.y());
    QTest::qWait(80);
    // Released over the other button: the press's button answers, the other does not.
    const QPoint away = abort.btn_AbortNo()->mapToGlobal(abort.btn_AbortNo()->rect().center());
    desktop.release(away.x(), away.y());
    expectPosts(recorder, {"StopResultYes"});
    // A press that began outside every button posts nothing where it is released.
    desktop.press(5, 5);
    QTest::qWait(80);
    desktop.release(c.x(), c.y());
    expectPosts(recorder, {"StopResultYes"});
}

TEST_F(DialogWindowTest, StopDialogOnScreen) {
    PostRecorder recorder{"StopCalYes", "StopCalNo"};
    AbortWindowController abort;
    abort.showWindow();
    shown(abort.window());
    EXPECT_EQ(abort.window()->geometry(), boardScreenGeometry());
    abort.setDlgInfo(0, QStringLiteral("StopCalYes"), QStringLiteral("StopCalNo"));
    QTest::qWait(200);
    const QImage shot = screenshot();
    ASSERT_EQ(shot.size(), QSize(width, height));

    const layout::StopDialog page = layout::stopDialog(width, height);
    // Faces fill their frames: No in red on the left, Yes in green flush right.
    const QRect no = onScreen(page.noButton, height);
    const QRect yes = onScreen(page.yesButton, height);
    EXPECT_TRUE(near(shot.pixel(no.center()), Qt::red));
    EXPECT_TRUE(near(shot.pixel(no.topLeft() + QPoint(1, 1)), Qt::red));
    EXPECT_TRUE(near(shot.pixel(yes.center()), Qt::green));
    EXPECT_TRUE(near(shot.pixel(yes.bottomRight() - QPoint(1, 1)), Qt::green));
    EXPECT_TRUE(near(shot.pixel(yes.right() + 2, yes.center().y()), Qt::black));
    EXPECT_TRUE(near(shot.pixel(no.right() + 7, no.center().y()), Qt::black)); // the gap

    // The title in its blue, the content in white, each inside its own block.
    const QRect title = onScreen(page.title, height);
    const QRect content = onScreen(page.content, height);
    int titleBlue = 0;
    int contentWhite = 0;
    for (int y = 0; y < height; y += 1) {
        for (int x = title.left() - 40; x < title.right() + 40; ++x) {
            const QRgb p = shot.pixel(x, y);
            if (qBlue(p) > 200 && qRed(p) < 120) {
                ++titleBlue;
                ASSERT_TRUE(title.contains(x, y)) << x << "," << y;
            } else if (qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) > 200) {
                ++contentWhite;
                ASSERT_TRUE(content.contains(x, y)) << x << "," << y;
            }
        }
    }
    EXPECT_GT(titleBlue, 50);
    EXPECT_GT(contentWhite, 100);

    clickAt(abort.btn_AbortNo());
    clickAt(abort.btn_AbortYes());
    expectPosts(recorder, {"StopCalNo", "StopCalYes"});
}

TEST_F(DialogWindowTest, PictureDialogsOnScreen) {
    PostRecorder recorder{"ExcellentClose", "ExcellentRestart", "restartCalibrationYes",
                          "restartCalibrationNo"};
    const QRect centred = onScreen(layout::centredPicture(width, height, 600, 400, 0), height);
    {
        JUXPrompt::getPrompt().setLocaleID(JUXPrompt::kGerman);
        CalibrateExcellentWindow excellent;
        excellent.showWindow();
        shown(excellent.window());
        const QImage shot = screenshot();
        const QColor blue(0, 0, 255);
        // Raised by 9 for a translated picture: the top row 9 higher, nothing below.
        const QRect raised = centred.translated(0, -9);
        EXPECT_TRUE(near(shot.pixel(raised.topLeft()), blue));
        EXPECT_TRUE(near(shot.pixel(raised.bottomRight()), blue));
        EXPECT_TRUE(near(shot.pixel(raised.left(), raised.top() - 1), Qt::black));
        EXPECT_TRUE(near(shot.pixel(raised.left(), raised.bottom() + 1), Qt::black));
        EXPECT_TRUE(near(shot.pixel(raised.left() - 1, raised.center().y()), Qt::black));

        // Clicks before the names arrive do nothing; afterwards each area posts its name.
        clickAt(excellent.btn_FinishDia());
        expectPosts(recorder, {});
        excellent.setDlgInfo(QStringLiteral("ExcellentClose"), QStringLiteral("ExcellentRestart"));
        clickAt(excellent.btn_RetryDia());
        clickAt(excellent.btn_FinishDia());
        const auto buttons =
            layout::excellentDialogButtons(layout::pictureDialogAnchor(width, height));
        EXPECT_EQ(excellent.btn_RetryDia()->geometry(), onScreen(buttons.type0, height));
        EXPECT_EQ(excellent.btn_FinishDia()->geometry(), onScreen(buttons.type1, height));
        expectPosts(recorder, {"ExcellentRestart", "ExcellentClose"});
    }
    recorder.posts.clear();
    {
        // The camera-position advice for hint code 1, never shifted.
        JUXPrompt::getPrompt().setItoScreenErrorType(1);
        CheckCamPositionWindow camera;
        camera.showWindow();
        shown(camera.window());
        const QImage shot = screenshot();
        const QColor yellow(255, 255, 0);
        EXPECT_TRUE(near(shot.pixel(centred.topLeft()), yellow));
        EXPECT_TRUE(near(shot.pixel(centred.bottomRight()), yellow));
        EXPECT_TRUE(near(shot.pixel(centred.left(), centred.top() - 1), Qt::black));
        EXPECT_TRUE(near(shot.pixel(centred.right() + 1, centred.bottom()), Qt::black));
        camera.setDlgInfo(QStringLiteral("restartCalibrationYes"),
                          QStringLiteral("restartCalibrationNo"));
        clickAt(camera.btn_Sd());
        clickAt(camera.btn_cancel());
        expectPosts(recorder, {"restartCalibrationYes", "restartCalibrationNo"});
    }
}

TEST_F(DialogWindowTest, EscapeAndSpaceSentThroughXTest) {
    PostRecorder recorder{"StopCheckPosition", "StopCalYes", "StopCalNo"};
    AbortWindowController abort;
    abort.showWindow();
    shown(abort.window());
    // The stop dialog has no keys.
    EXPECT_TRUE(desktop.key("Escape") && desktop.key("space"));
    QTest::qWait(200);
    EXPECT_TRUE(abort.window()->isVisible());
    abort.close();

    CheckCamPositionWindow camera;
    camera.showWindow();
    shown(camera.window());
    EXPECT_TRUE(desktop.key("space") && desktop.key("a") && desktop.key("Return"));
    QTest::qWait(200);
    EXPECT_TRUE(camera.window()->isVisible());
    EXPECT_TRUE(recorder.posts.empty());
    // A held Escape acts once, on its release.
    EXPECT_TRUE(desktop.keyDown("Escape"));
    QTest::qWait(700);
    EXPECT_TRUE(recorder.posts.empty());
    EXPECT_TRUE(desktop.keyUp("Escape"));
    expectPosts(recorder, {"StopCheckPosition"});
    EXPECT_FALSE(camera.window()->isVisible());
}

TEST_F(DialogWindowTest, ABoxedDialogStaysAboveAnotherApplication) {
    // Without a compositor a see-through window hears nothing of being covered; the
    // keeper's stacking check still brings it back.
    StartNormalCalibrateDlg dialog;
    dialog.showWindow();
    shown(dialog.window());
    const QRect box = dialog.window()->frameGeometry();

    // Another application's window opened over the dialog and raised.
    ASSERT_NO_FATAL_FAILURE(openOtherApplication(
        QStringLiteral("200x100+%1+%2").arg(box.left() + 20).arg(box.top() + 20)));
    desktop.raise(otherWindow);
    QTest::qWait(1200);

    // The backdrop shows where the other window would be.
    const QImage shot = screenshot();
    EXPECT_TRUE(near(shot.pixel(box.left() + 30, box.top() + 30), QColor(40, 40, 40)));
    EXPECT_TRUE(near(shot.pixel(box.left() + 200, box.top() + 110), QColor(40, 40, 40)));
}

TEST_F(DialogWindowTest, ACompositingManagerIsToldByItsSelection) {
    // Where one runs, the keeper leaves the stacking to the visibility events.
    ASSERT_FALSE(x11::compositingManagerRuns());
    Display* other = XOpenDisplay(nullptr);
    ASSERT_NE(other, nullptr);
    const Window owner = XCreateSimpleWindow(other, DefaultRootWindow(other), 0, 0, 1, 1, 0, 0, 0);
    const std::string selection = "_NET_WM_CM_S" + std::to_string(DefaultScreen(other));
    XSetSelectionOwner(other, XInternAtom(other, selection.c_str(), False), owner, CurrentTime);
    XSync(other, False);
    EXPECT_TRUE(x11::compositingManagerRuns());
    XCloseDisplay(other); // its windows go, and with them the selection
    EXPECT_TRUE(QTest::qWaitFor([] { return !x11::compositingManagerRuns(); }));
}

// The keeper looks at the stacking only when the X server says it changed: another
// client's window mapped, raised or unmapped is heard while the watch runs, a burst of
// changes within the hold is told once more when the hold ends, and nothing is heard
// once the watch has stopped.
TEST_F(DialogWindowTest, TheStackingWatchHearsOtherClientsOnlyWhileStarted) {
    int calls = 0;
    x11::StackingWatch watch([&calls] { ++calls; }, 1000);
    ASSERT_TRUE(watch.start());
    Display* other = XOpenDisplay(nullptr);
    ASSERT_NE(other, nullptr);
    // Not the window manager's to redirect: every request is carried out as it comes.
    XSetWindowAttributes unmanaged{};
    unmanaged.override_redirect = True;
    const Window window =
        XCreateWindow(other, DefaultRootWindow(other), 10, 10, 50, 50, 0, CopyFromParent,
                      InputOutput, CopyFromParent, CWOverrideRedirect, &unmanaged);
    XMapWindow(other, window);
    XSync(other, False);
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls == 1; }));

    for (int i = 0; i < 5; ++i) {
        XLowerWindow(other, window);
        XRaiseWindow(other, window);
    }
    XSync(other, False);
    QTest::qWait(300);
    EXPECT_EQ(calls, 1) << "held";
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls == 2; }, 3000)) << "what came in the hold";

    watch.stop();
    XUnmapWindow(other, window);
    XMapRaised(other, window);
    XSync(other, False);
    QTest::qWait(1500);
    EXPECT_EQ(calls, 2) << "stopped";

    ASSERT_TRUE(watch.start());
    XUnmapWindow(other, window);
    XSync(other, False);
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls == 3; }, 3000)) << "started again";
    XCloseDisplay(other);
}

// A tray manager starting on the display, as trayer or a panel does: it takes the tray
// selection and announces itself to the root window.
TEST_F(DialogWindowTest, ATrayManagerStartingIsHeard) {
    int started = 0;
    x11::TrayManagerWatch watch([&started] { ++started; });
    ASSERT_TRUE(watch.start());
    EXPECT_FALSE(x11::systemTrayOwned());
    Display* tray = XOpenDisplay(nullptr);
    ASSERT_NE(tray, nullptr);
    const Window root = DefaultRootWindow(tray);
    const Window manager = XCreateSimpleWindow(tray, root, 0, 0, 1, 1, 0, 0, 0);
    const std::string name = "_NET_SYSTEM_TRAY_S" + std::to_string(DefaultScreen(tray));
    const Atom selection = XInternAtom(tray, name.c_str(), False);
    XSetSelectionOwner(tray, selection, manager, CurrentTime);
    XEvent announce{};
    announce.xclient.type = ClientMessage;
    announce.xclient.window = root;
    announce.xclient.message_type = XInternAtom(tray, "MANAGER", False);
    announce.xclient.format = 32;
    announce.xclient.data.l[0] = CurrentTime;
    announce.xclient.data.l[1] = static_cast<long>(selection);
    announce.xclient.data.l[2] = static_cast<long>(manager);
    XSendEvent(tray, root, False, StructureNotifyMask, &announce);
    XSync(tray, False);
    EXPECT_TRUE(QTest::qWaitFor([&] { return started == 1; }, 3000));
    EXPECT_TRUE(x11::systemTrayOwned());
    XCloseDisplay(tray);
    EXPECT_TRUE(QTest::qWaitFor([] { return !x11::systemTrayOwned(); }, 3000));
}

TEST_F(DialogWindowTest, EveryDialogOpensAloneInTheWindowBench) {
    for (const char* name :
         {"StartNormalCalibrateDlg", "StartDiagnosisWindow", "AbortWindowController",
          "EndNormalCalibrateWindow", "EndNormalCalibratePoorWindow", "DeviceDoNotConnectWindow",
          "CalibrateExcellentWindow", "CheckCamPositionWindow"}) {
        const std::string shot = (pictures / (std::string(name) + ".png")).string();
        const auto run = runCommand(std::string("EBOARD_PICTURE_DIR=") + pictures.path().string() +
                                    " timeout 30 " EBOARD_BIN_DIR "/eboard-window-bench " + name +
                                    " --screenshot " + shot + " 2>&1");
        EXPECT_EQ(run.status, 0) << name << ": " << run.out;
        const QImage image(QString::fromStdString(shot));
        EXPECT_EQ(image.size(), QSize(width, height)) << name;
    }
}

} // namespace
} // namespace eboard
