// The dialog windows on a real X display: clicks and keys sent through XTest, what
// reaches the screen. Runs on bare Xvfb and under a window manager, at whatever size the
// display has.
#include "PostRecorder.h"
#include "ScreenFixture.h"
#include "core/layout/DialogLayout.h"
#include "core/layout/Rect.h"
#include "support/EventLoop.h"
#include "support/RunCommand.h"
#include "ui/AppResources.h"
#include "ui/common/BoardScreen.h"
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
#include <QProcess>
#include <QWindow>
#include <chrono>
#include <string>

// After every Qt header: the X headers define macros that clash with Qt's.
#include <X11/Xlib.h>

namespace eboard {
namespace {

using namespace std::chrono_literals;
using testing::PostRecorder;
using testing::runCommand;
using testing::waitUntil;
using Posts = std::vector<std::string>;

QRect onScreen(const layout::RectD& rect, int h) {
    const layout::RectD r = layout::toTopDown(rect, h);
    return QRectF(r.x, r.y, r.width, r.height).toRect();
}

bool near(QRgb pixel, QColor colour) {
    return std::abs(qRed(pixel) - colour.red()) < 8 &&
           std::abs(qGreen(pixel) - colour.green()) < 8 &&
           std::abs(qBlue(pixel) - colour.blue()) < 8;
}

class DialogWindowTest : public testing::ScreenFixture {
protected:
    static void SetUpTestSuite() { installTranslations(*qApp, QLocale("en")); }

    void SetUp() override {
        ScreenFixture::SetUp();
        const QRect board = boardScreenGeometry();
        width = board.width();
        height = board.height();
        useScreen(width, height);
        // Faces and pages of flat colours, so what reaches the screen can be told apart.
        addPicture(QStringLiteral("CP_1-btn-no.png"), 20, 10, Qt::red);
        addPicture(QStringLiteral("CP_1-btn-yes.png"), 20, 10, Qt::green);
        addPicture(QStringLiteral("SCPD_2.png"), 600, 400, QColor(0, 0, 255));
        addPicture(QStringLiteral("SCPD_6-3ct.png"), 600, 400, QColor(255, 255, 0));
        addPicture(QStringLiteral("BKg.png"), 10, 10, QColor(40, 40, 40));
        runCommand("xdotool mousemove 0 0");
    }

    void TearDown() override {
        JUXPrompt::getPrompt().setItoScreenErrorType(0);
        JUXPrompt::getPrompt().setLocaleID(JUXPrompt::kEnglish);
        ScreenFixture::TearDown();
    }

    QImage screenshot() {
        const std::string file = (pictures / "screen.png").string();
        EXPECT_EQ(runCommand("import -window root " + file).status, 0);
        return QImage(QString::fromStdString(file)).convertToFormat(QImage::Format_RGB32);
    }

    // Waits until the window is on screen, has the keyboard and was drawn.
    static void shown(QWidget* window) {
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(waitUntil([&] {
            return window->isVisible() && QGuiApplication::focusWindow() == window->windowHandle();
        }));
        testing::settle(200ms);
    }

    // A left click at the centre of a widget, through XTest.
    static void clickAt(QWidget* widget) {
        ASSERT_NE(widget, nullptr);
        const QPoint c = widget->mapToGlobal(widget->rect().center());
        ASSERT_EQ(runCommand("xdotool mousemove " + std::to_string(c.x()) + " " +
                             std::to_string(c.y()) + " click 1")
                      .status,
                  0);
    }

    // Waits for the expected posts, then a little longer for any extra one.
    static void expectPosts(const PostRecorder& recorder, const Posts& expected) {
        waitUntil([&] { return recorder.posts.size() >= expected.size(); }, 3000ms);
        testing::settle(150ms);
        EXPECT_EQ(recorder.posts, expected);
    }

    int width = 0;
    int height = 0;
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
    ASSERT_TRUE(waitUntil([&] { return !end.window()->isVisible(); }));
    // Closed, it gives its native window, pixels and decoded pictures back; shown again,
    // it works as before.
    ASSERT_TRUE(waitUntil([&] { return end.window()->backingStore() == nullptr; }));
    EXPECT_EQ(end.window()->windowHandle(), nullptr);
    EXPECT_FALSE(QPixmapCache::find(backdrop, &cached));
    end.showWindow();
    shown(end.window());
    clickAt(end.btn_EndNormalCal_OK()); // posts again; closing was a one-time answer
    ASSERT_TRUE(waitUntil([&] { return recorder.posts.size() == 2; }, 3000ms));
    end.close();

    DeviceDoNotConnectWindow device;
    device.showWindow();
    shown(device.window());
    clickAt(device.btn_OK());
    ASSERT_TRUE(waitUntil([&] { return !device.window()->isVisible(); }));
    expectPosts(recorder, {"NormalCalibrateDone", "NormalCalibrateDone", "DeviceNotConnectDone"});
}

TEST_F(DialogWindowTest, ReleaseAwayFromTheButtonStillPosts) {
    PostRecorder recorder{"StopResultYes", "StopResultNo"};
    AbortWindowController abort;
    abort.showWindow();
    shown(abort.window());
    abort.setDlgInfo(1, QStringLiteral("StopResultYes"), QStringLiteral("StopResultNo"));
    const QPoint c = abort.btn_AbortYes()->mapToGlobal(abort.btn_AbortYes()->rect().center());
    runCommand("xdotool mousemove " + std::to_string(c.x()) + " " + std::to_string(c.y()) +
               " mousedown 1");
    testing::settle(80ms);
    // Released over the other button: the press's button answers, the other does not.
    const QPoint away = abort.btn_AbortNo()->mapToGlobal(abort.btn_AbortNo()->rect().center());
    runCommand("xdotool mousemove " + std::to_string(away.x()) + " " + std::to_string(away.y()) +
               " mouseup 1");
    expectPosts(recorder, {"StopResultYes"});
    // A press that began outside every button posts nothing where it is released.
    runCommand("xdotool mousemove 5 5 mousedown 1");
    testing::settle(80ms);
    runCommand("xdotool mousemove " + std::to_string(c.x()) + " " + std::to_string(c.y()) +
               " mouseup 1");
    expectPosts(recorder, {"StopResultYes"});
}

TEST_F(DialogWindowTest, StopDialogOnScreen) {
    PostRecorder recorder{"StopCalYes", "StopCalNo"};
    AbortWindowController abort;
    abort.showWindow();
    shown(abort.window());
    EXPECT_EQ(abort.window()->geometry(), boardScreenGeometry());
    abort.setDlgInfo(0, QStringLiteral("StopCalYes"), QStringLiteral("StopCalNo"));
    testing::settle(200ms);
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
    EXPECT_EQ(runCommand("xdotool key Escape space").status, 0);
    testing::settle(200ms);
    EXPECT_TRUE(abort.window()->isVisible());
    abort.close();

    CheckCamPositionWindow camera;
    camera.showWindow();
    shown(camera.window());
    EXPECT_EQ(runCommand("xdotool key space a Return").status, 0);
    testing::settle(200ms);
    EXPECT_TRUE(camera.window()->isVisible());
    EXPECT_TRUE(recorder.posts.empty());
    // A held Escape acts once, on its release.
    EXPECT_EQ(runCommand("xdotool keydown Escape").status, 0);
    testing::settle(700ms);
    EXPECT_TRUE(recorder.posts.empty());
    EXPECT_EQ(runCommand("xdotool keyup Escape").status, 0);
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
    QProcess other;
    other.start(QStringLiteral("xmessage"),
                {QStringLiteral("-geometry"),
                 QStringLiteral("200x100+%1+%2").arg(box.left() + 20).arg(box.top() + 20),
                 QStringLiteral("another application")});
    ASSERT_TRUE(other.waitForStarted(3000));
    const auto found = runCommand(
        "timeout 5 xdotool search --sync --onlyvisible --class Xmessage 2>/dev/null | head -1");
    const unsigned long otherWindow = std::strtoul(found.out.c_str(), nullptr, 10);
    ASSERT_NE(otherWindow, 0ul);
    runCommand("xdotool windowraise " + std::to_string(otherWindow));
    testing::settle(1200ms);

    // The backdrop shows where the other window would be.
    const QImage shot = screenshot();
    EXPECT_TRUE(near(shot.pixel(box.left() + 30, box.top() + 30), QColor(40, 40, 40)));
    EXPECT_TRUE(near(shot.pixel(box.left() + 200, box.top() + 110), QColor(40, 40, 40)));
    other.kill();
    other.waitForFinished(2000);
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
    EXPECT_TRUE(waitUntil([] { return !x11::compositingManagerRuns(); }));
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
    ASSERT_TRUE(waitUntil([&] { return calls == 1; }));

    for (int i = 0; i < 5; ++i) {
        XLowerWindow(other, window);
        XRaiseWindow(other, window);
    }
    XSync(other, False);
    testing::settle(300ms);
    EXPECT_EQ(calls, 1) << "held";
    EXPECT_TRUE(waitUntil([&] { return calls == 2; }, 3000ms)) << "what came in the hold";

    watch.stop();
    XUnmapWindow(other, window);
    XMapRaised(other, window);
    XSync(other, False);
    testing::settle(1500ms);
    EXPECT_EQ(calls, 2) << "stopped";

    ASSERT_TRUE(watch.start());
    XUnmapWindow(other, window);
    XSync(other, False);
    EXPECT_TRUE(waitUntil([&] { return calls == 3; }, 3000ms)) << "started again";
    XCloseDisplay(other);
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
