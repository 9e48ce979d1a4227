// The calibration screens on a real X display: what reaches the screen, keys sent
// through XTest, keyboard focus and stacking against another application's window.
// Runs on bare Xvfb and under a window manager, at whatever size the display has.
#include "PostRecorder.h"
#include "WindowFixture.h"
#include "core/layout/PreviewLayout.h"
#include "core/layout/ResultLayout.h"
#include "core/layout/TargetLayout.h"
#include "core/notify/NotificationCenter.h"
#include "support/RunCommand.h"
#include "ui/calibration/CalibrateMessageWindowController.h"
#include "ui/calibration/CalibrateView.h"
#include "ui/calibration/CalibrateWindowController.h"
#include "ui/calibration/CalibrationMessageView.h"
#include "ui/calibration/CalibrationPreView.h"
#include "ui/calibration/CalibrationPreViewWindowController.h"
#include "ui/common/AgentWindow.h"

#include <QGuiApplication>
#include <QImage>
#include <QWindow>
#include <functional>
#include <memory>

namespace eboard {
namespace {

using testing::onScreen;
using testing::PostRecorder;
using testing::runCommand;

bool lit(QRgb pixel) {
    return qRed(pixel) + qGreen(pixel) + qBlue(pixel) > 150;
}

// The first row (or column) from `from` up to `to` with a lit pixel between `across` and
// `acrossEnd` of the other direction; -1 when none.
enum class Scan { Rows, Columns };
int firstLit(const QImage& image, Scan scan, int from, int to, int across, int acrossEnd) {
    const int lines = scan == Scan::Rows ? image.height() : image.width();
    for (int line = std::max(from, 0); line < std::min(to, lines); ++line) {
        for (int i = across; i < acrossEnd; ++i) {
            if (lit(scan == Scan::Rows ? image.pixel(i, line) : image.pixel(line, i))) {
                return line;
            }
        }
    }
    return -1;
}

class ScreenWindowTest : public testing::WindowFixture {
protected:
    // Waits until the view has painted and what it painted reached the server.
    static bool paintedOnce(const DrawnView* view, int before) {
        const bool painted = QTest::qWaitFor([&] { return view->paintCount() > before; });
        QTest::qWait(150);
        return painted;
    }

    static bool hasKeyboard(QWidget* window) {
        return QTest::qWaitFor(
            [&] { return QGuiApplication::focusWindow() == window->windowHandle(); });
    }
};

TEST_F(ScreenWindowTest, PreviewCoversTheScreenWithFrameCornersTextsAndLightPoint) {
    CalibrationPreViewWindowController controller;
    controller.showWindow();
    EXPECT_EQ(controller.window()->geometry(), boardScreenGeometry());
    CalibrationPreView* view = controller.myPreView();
    ASSERT_TRUE(paintedOnce(view, 0));

    const int before = view->paintCount();
    JUXPrompt::getPrompt().setLightPointRaw({512, 384});
    NotificationCenter::defaultCenter().postNotification("UpdatePreView");
    ASSERT_TRUE(paintedOnce(view, before));
    const QImage shot = screenshot();
    ASSERT_EQ(shot.size(), QSize(width, height));

    const layout::PreviewLayout l = layout::previewLayout(width, height);
    for (const layout::RectD& corner : l.cornerSquares) {
        const QRect r = onScreen(corner, height);
        EXPECT_TRUE(lit(shot.pixel(r.center()))) << r.x() << "," << r.y();
        EXPECT_FALSE(lit(shot.pixel(r.center().x(), r.center().y() + (r.y() == 0 ? 40 : -40))));
    }
    const QRect frame = onScreen(l.frame, height);
    EXPECT_TRUE(lit(shot.pixel(frame.left(), frame.center().y())));
    EXPECT_TRUE(lit(shot.pixel(frame.right(), frame.center().y())));
    EXPECT_TRUE(lit(shot.pixel(frame.center().x() + 100, frame.top())));
    EXPECT_TRUE(lit(shot.pixel(frame.center().x() + 100, frame.bottom())));
    EXPECT_FALSE(lit(shot.pixel(frame.left() + 8, frame.top() + 8)));

    // The light point's square at the check area's centre.
    const QPointF centre(l.left + (l.right - l.left) / 2.0, l.top + (l.bottom - l.top) / 2.0);
    EXPECT_TRUE(lit(shot.pixel(centre.toPoint())));
    EXPECT_FALSE(lit(shot.pixel(centre.toPoint() + QPoint(8, 0))));

    // Each text block starts at its rectangle's top-left corner.
    for (const layout::RectD& text : {l.titleText, l.instructionText, l.exitText}) {
        const QRect r = onScreen(text, height);
        const int row =
            firstLit(shot, Scan::Rows, r.top() - 2, r.bottom(), r.left(), r.left() + 200);
        EXPECT_GE(row, r.top()) << "text at y " << r.top();
        EXPECT_LE(row, r.top() + 14) << "text at y " << r.top();
        const int column =
            firstLit(shot, Scan::Columns, r.left() - 20, r.right(), r.top(), r.bottom());
        EXPECT_GE(column, r.left()) << "text at x " << r.left();
        EXPECT_LE(column, r.left() + 6) << "text at x " << r.left();
    }
}

TEST_F(ScreenWindowTest, TargetScreenCentresTheCrosshairOnTargetZero) {
    addPicture("CP_3-crosshair.png", 40, 40, Qt::red);
    CalibrateWindowController controller;
    controller.showWindow();
    ASSERT_TRUE(paintedOnce(controller.calibrate_view(), 0));
    const QImage shot = screenshot();
    ASSERT_EQ(shot.size(), QSize(width, height));

    QRect red;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const QRgb p = shot.pixel(x, y);
            if (qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60) {
                red |= QRect(x, y, 1, 1);
            }
        }
    }
    const PointD target =
        layout::toTopDown(JUXPrompt::getPrompt().ScreenCalibratePoint()[0], height);
    EXPECT_EQ(red.size(), QSize(40, 40));
    EXPECT_NEAR(red.left() + red.width() / 2.0, target.x, 0.5);
    EXPECT_NEAR(red.top() + red.height() / 2.0, target.y, 0.5);

    const layout::CentredTextBlock block = layout::centredTextBlock(width, height);
    for (const layout::RectD& text : {block.title, block.body}) {
        const QRect r = onScreen(text, height);
        const int row = firstLit(shot, Scan::Rows, r.top() - 6, r.bottom(), r.left(), r.right());
        EXPECT_GE(row, r.top());
        EXPECT_LE(row, r.top() + 14);
        const int column =
            firstLit(shot, Scan::Columns, r.left() - 20, r.right(), r.top(), r.bottom());
        EXPECT_GE(column, r.left());
        EXPECT_LE(column, r.left() + 6);
    }
}

TEST_F(ScreenWindowTest, SpaceAndEscapeSentThroughXTest) {
    PostRecorder posts{"CalibrateStart", "StopCalibratePreview", "StopCalibrate"};
    CalibrationPreViewWindowController preview;
    preview.showWindow();
    ASSERT_TRUE(hasKeyboard(preview.window()));
    EXPECT_TRUE(desktop.key("a") && desktop.key("Return"));
    QTest::qWait(200);
    EXPECT_TRUE(posts.posts.empty());
    EXPECT_TRUE(desktop.key("space"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !posts.posts.empty(); }));
    EXPECT_EQ(posts.posts, std::vector<std::string>{"CalibrateStart"});

    CalibrateWindowController targets;
    targets.showWindow();
    ASSERT_TRUE(hasKeyboard(targets.window()));
    EXPECT_TRUE(desktop.key("Escape"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return posts.posts.size() == 2; }));
    QTest::qWait(200);
    EXPECT_EQ(posts.posts, (std::vector<std::string>{"CalibrateStart", "StopCalibrate"}));
    EXPECT_EQ(cursorHideCount(), 0);
}

TEST_F(ScreenWindowTest, HeldEscapeActsOnceOnItsRealRelease) {
    PostRecorder posts{"StopCalibratePreview"};
    CalibrationPreViewWindowController preview;
    preview.showWindow();
    ASSERT_TRUE(hasKeyboard(preview.window()));
    EXPECT_TRUE(desktop.keyDown("Escape"));
    QTest::qWait(900); // long past the server's auto-repeat delay
    EXPECT_TRUE(posts.posts.empty());
    EXPECT_TRUE(preview.window()->isVisible());
    EXPECT_TRUE(desktop.keyUp("Escape"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !posts.posts.empty(); }));
    QTest::qWait(200);
    EXPECT_EQ(posts.posts.size(), 1u);
}

TEST_F(ScreenWindowTest, AnotherApplicationNeitherKeepsTheKeyboardNorStaysAbove) {
    CalibrateWindowController targets;
    targets.showWindow();
    ASSERT_TRUE(hasKeyboard(targets.window()));
    ASSERT_TRUE(paintedOnce(targets.calibrate_view(), 0));

    // Another application's window over the top-left of the screen, activated and raised.
    ASSERT_NO_FATAL_FAILURE(openOtherApplication(QStringLiteral("300x120+120+120")));
    desktop.activate(otherWindow);
    desktop.focus(otherWindow);
    desktop.raise(otherWindow);

    // The screen takes the keyboard back and is on top again.
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return QGuiApplication::focusWindow() == targets.window()->windowHandle() &&
               desktop.hasFocus(targets.window()->winId());
    }));
    QTest::qWait(300);
    const QImage shot = screenshot();
    // The other window's area shows the black screen, not the message.
    const testing::XWindowFrame frame = desktop.frame(otherWindow);
    for (const QPoint& p :
         {QPoint(frame.x + 10, frame.y + 10), QPoint(frame.x + 150, frame.y + 60)}) {
        EXPECT_FALSE(lit(shot.pixel(p))) << p.x() << "," << p.y();
    }
    // Escape reaches the screen again.
    PostRecorder posts{"StopCalibrate"};
    EXPECT_TRUE(desktop.key("Escape"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return posts.posts.size() == 1; }));
}

TEST_F(ScreenWindowTest, ResultButtonsPostTheirNamesOnlyOnceHandedIn) {
    PostRecorder posts{"DiagnosisRestart", "DiagnosisClose"};
    CalibrateMessageWindowController controller;
    controller.showWindow();
    ASSERT_TRUE(paintedOnce(controller.drawView(), 0));
    const layout::ResultButtons frames = layout::resultButtons(layout::resultAnchor(width, height));
    const QPoint close = onScreen(frames.close, height).center();
    const QPoint start = onScreen(frames.start, height).center();
    // Before the names are handed in the buttons post nothing.
    EXPECT_TRUE(desktop.click(close.x(), close.y()));
    EXPECT_TRUE(desktop.click(start.x(), start.y()));
    QTest::qWait(300);
    EXPECT_TRUE(posts.posts.empty());

    controller.setErrorType(2, 1, 0, QStringLiteral("DiagnosisRestart"),
                            QStringLiteral("DiagnosisClose"));
    testing::drainEvents();
    EXPECT_TRUE(desktop.click(start.x(), start.y()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return posts.posts.size() == 1; }));
    EXPECT_TRUE(desktop.click(close.x(), close.y()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return posts.posts.size() == 2; }));
    // A press that began on a button posts wherever it is released.
    EXPECT_TRUE(desktop.press(start.x(), start.y()) && desktop.release(40, 40));
    ASSERT_TRUE(QTest::qWaitFor([&] { return posts.posts.size() == 3; }));
    QTest::qWait(200);
    EXPECT_EQ(posts.posts,
              (std::vector<std::string>{"DiagnosisRestart", "DiagnosisClose", "DiagnosisRestart"}));
}

TEST_F(ScreenWindowTest, PanelsStayBehindTheScreen) {
    // A red panel along the top-left edge, as a desktop's panel or dock.
    otherApplication.start(
        QStringLiteral("trayer"),
        {QStringLiteral("--edge"), QStringLiteral("top"), QStringLiteral("--align"),
         QStringLiteral("left"), QStringLiteral("--widthtype"), QStringLiteral("pixel"),
         QStringLiteral("--width"), QStringLiteral("400"), QStringLiteral("--height"),
         QStringLiteral("40"), QStringLiteral("--tint"), QStringLiteral("0xff0000"),
         QStringLiteral("--transparent"), QStringLiteral("true"), QStringLiteral("--alpha"),
         QStringLiteral("0")});
    ASSERT_TRUE(otherApplication.waitForStarted(3000));
    const auto red = [](QRgb p) { return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60; };
    ASSERT_TRUE(QTest::qWaitFor([&] { return red(screenshot().pixel(200, 20)); }));

    CalibrateWindowController targets;
    targets.showWindow();
    ASSERT_TRUE(paintedOnce(targets.calibrate_view(), 0));
    QTest::qWait(300);
    EXPECT_FALSE(red(screenshot().pixel(200, 20)));
}

TEST_F(ScreenWindowTest, TheAgentsOwnWindowMayTakeTheKeyboardAndStandAbove) {
    CalibrateWindowController targets;
    targets.showWindow();
    ASSERT_TRUE(hasKeyboard(targets.window()));
    ASSERT_TRUE(paintedOnce(targets.calibrate_view(), 0));

    AgentWindow dialog(AgentWindow::Kind::Boxed);
    dialog.resize(300, 200);
    dialog.setStyleSheet(QStringLiteral("background: white"));
    dialog.present();
    ASSERT_TRUE(hasKeyboard(&dialog));
    QTest::qWait(600);
    EXPECT_EQ(QGuiApplication::focusWindow(), dialog.windowHandle());
    // The dialog stays in front of the screen (give a slow server time to show it).
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return lit(screenshot().pixel(width / 2, height / 2)); }, 3000));
    EXPECT_EQ(dialog.geometry(), QRect((width - 300) / 2, (height - 200) / 2, 300, 200));
}

// The window manager's full-screen and above states, as other clients read them.
QString netWmState(const QWidget& window) {
    return QString::fromStdString(
        runCommand("xprop -id " + std::to_string(window.winId()) + " _NET_WM_STATE").out);
}

// Every full-screen screen asks for the full-screen state and the layer above other
// windows, again when it shows after a hide (which gives its native window back).
TEST_F(ScreenWindowTest, FullScreenScreensAskForTheFullScreenStateEachTimeTheyShow) {
    const struct {
        const char* name;
        std::function<std::unique_ptr<DialogController>()> make;
    } screens[] = {
        {"preview", [] { return std::make_unique<CalibrationPreViewWindowController>(); }},
        {"targets", [] { return std::make_unique<CalibrateWindowController>(); }},
        {"result", [] { return std::make_unique<CalibrateMessageWindowController>(); }},
    };
    for (const auto& screen : screens) {
        SCOPED_TRACE(screen.name);
        const std::unique_ptr<DialogController> controller = screen.make();
        for (int showing = 0; showing < 2; ++showing) {
            controller->showWindow();
            AgentWindow* window = controller->window();
            ASSERT_TRUE(QTest::qWaitFor([&] { return window->isVisible(); }));
            EXPECT_TRUE(window->isFullScreen());
            EXPECT_TRUE(QTest::qWaitFor([&] {
                const QString state = netWmState(*window);
                return state.contains("_NET_WM_STATE_FULLSCREEN") &&
                       state.contains("_NET_WM_STATE_ABOVE");
            })) << netWmState(*window).toStdString();
            // A window manager may resize it to the output itself: wait for its answer.
            EXPECT_TRUE(QTest::qWaitFor([&] {
                return window->geometry() == boardScreenGeometry();
            })) << window->geometry().width()
                << "x" << window->geometry().height();
            controller->close();
            // The native window goes once the event loop is back.
            ASSERT_TRUE(QTest::qWaitFor([&] { return window->windowHandle() == nullptr; }));
        }
    }
}

// The window bench as a developer uses it.
class WindowBenchTest : public ScreenWindowTest {
protected:
    const std::string bench = std::string(EBOARD_BIN_DIR) + "/eboard-window-bench";
};

TEST_F(WindowBenchTest, UnknownClassOrOptionIsAOneLineErrorWithStatus2) {
    const auto unknownClass = runCommand(
        bench + " NoSuchWindow 2>&1 >/dev/null | grep -c '^eboard-window-bench: unknown class'");
    EXPECT_EQ(runCommand(bench + " NoSuchWindow >/dev/null 2>&1").status, 2);
    EXPECT_EQ(unknownClass.out, "1\n");
    EXPECT_EQ(runCommand(bench + " CalibrateWindowController --frobnicate >/dev/null 2>&1").status,
              2);
    EXPECT_EQ(runCommand(bench + " CalibrateWindowController --hint-code x >/dev/null 2>&1").status,
              2);
}

TEST_F(WindowBenchTest, PrintsThePostsAndEndsWhenTheWindowCloses) {
    QProcess process;
    process.start(
        QString::fromStdString(bench),
        {QStringLiteral("CalibrationPreViewWindowController"), QStringLiteral("--print-posts")});
    ASSERT_TRUE(process.waitForStarted(3000));
    std::vector<testing::XDesktop::Window> found;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            found = desktop.windows(testing::XDesktop::By::Instance, "eboard-window-bench");
            return !found.empty();
        },
        10000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return desktop.hasFocus(found.front()); }));
    EXPECT_TRUE(desktop.key("Escape"));
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_EQ(process.readAllStandardOutput().toStdString(), "StopCalibratePreview\n");
}

TEST_F(WindowBenchTest, ScreenshotOfTheWholeScreen) {
    const std::string file = (pictures / "bench.png").string();
    EXPECT_EQ(runCommand(bench + " CalibrationPreViewWindowController --light-point 0 0 " +
                         "--screenshot " + file + " 2>/dev/null")
                  .status,
              0);
    const QImage shot(QString::fromStdString(file));
    ASSERT_EQ(shot.size(), QSize(width, height));
    // The light point of raw (0, 0) at the check area's top-left corner.
    const layout::PreviewLayout l = layout::previewLayout(width, height);
    EXPECT_TRUE(lit(shot.pixel(l.left, l.top)));
    EXPECT_TRUE(lit(shot.pixel(0, 0)));
}

} // namespace
} // namespace eboard
