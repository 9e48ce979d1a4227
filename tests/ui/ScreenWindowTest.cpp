// The calibration screens on a real X display: what reaches the screen, keys sent
// through XTest, keyboard focus and stacking against another application's window.
// Runs on bare Xvfb and under a window manager, at whatever size the display has.
#include "PostRecorder.h"
#include "ScreenFixture.h"
#include "core/layout/PreviewLayout.h"
#include "core/layout/Rect.h"
#include "core/layout/ResultLayout.h"
#include "core/layout/TargetLayout.h"
#include "core/notify/NotificationCenter.h"
#include "support/EventLoop.h"
#include "support/RunCommand.h"
#include "ui/calibration/CalibrateMessageWindowController.h"
#include "ui/calibration/CalibrateView.h"
#include "ui/calibration/CalibrateWindowController.h"
#include "ui/calibration/CalibrationMessageView.h"
#include "ui/calibration/CalibrationPreView.h"
#include "ui/calibration/CalibrationPreViewWindowController.h"
#include "ui/common/AgentWindow.h"
#include "ui/common/BoardScreen.h"

#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QWindow>
#include <chrono>

namespace eboard {
namespace {

using namespace std::chrono_literals;
using testing::PostRecorder;
using testing::runCommand;
using testing::waitUntil;

bool lit(QRgb pixel) {
    return qRed(pixel) + qGreen(pixel) + qBlue(pixel) > 150;
}

// A top-down rectangle of the screenshot for a y-up one of a screen h high.
QRect onScreen(const layout::RectD& rect, int h) {
    const layout::RectD r = layout::toTopDown(rect, h);
    return QRectF(r.x, r.y, r.width, r.height).toRect();
}

// The first row, from top, at or below fromRow with a lit pixel between columns
// left and right; -1 when none up to toRow.
int firstLitRow(const QImage& image, int fromRow, int toRow, int left, int right) {
    for (int y = std::max(fromRow, 0); y < std::min(toRow, image.height()); ++y) {
        for (int x = left; x < right; ++x) {
            if (lit(image.pixel(x, y))) {
                return y;
            }
        }
    }
    return -1;
}

int firstLitColumn(const QImage& image, int fromColumn, int toColumn, int top, int bottom) {
    for (int x = std::max(fromColumn, 0); x < std::min(toColumn, image.width()); ++x) {
        for (int y = top; y < bottom; ++y) {
            if (lit(image.pixel(x, y))) {
                return x;
            }
        }
    }
    return -1;
}

class ScreenWindowTest : public testing::ScreenFixture {
protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        const QRect board = boardScreenGeometry();
        width = board.width();
        height = board.height();
        useScreen(width, height);
    }

    void TearDown() override {
        if (other.state() != QProcess::NotRunning) {
            other.kill();
            other.waitForFinished(2000);
        }
        ScreenFixture::TearDown();
    }

    QImage screenshot() {
        const std::string file = (pictures / "screen.png").string();
        EXPECT_EQ(runCommand("import -window root " + file).status, 0);
        return QImage(QString::fromStdString(file)).convertToFormat(QImage::Format_RGB32);
    }

    // Waits until the view has painted and what it painted reached the server.
    static bool paintedOnce(const DrawnView* view, int before) {
        const bool painted = waitUntil([&] { return view->paintCount() > before; });
        testing::settle(150ms);
        return painted;
    }

    static bool hasKeyboard(QWidget* window) {
        return waitUntil([&] { return QGuiApplication::focusWindow() == window->windowHandle(); });
    }

    // Another application's window over the top-left of the screen.
    void openOtherApplication() {
        other.start(QStringLiteral("xmessage"),
                    {QStringLiteral("-geometry"), QStringLiteral("300x120+120+120"),
                     QStringLiteral("another application")});
        ASSERT_TRUE(other.waitForStarted(3000));
        const auto found = runCommand(
            "timeout 5 xdotool search --sync --onlyvisible --class Xmessage 2>/dev/null | head -1");
        otherWindow = std::strtoul(found.out.c_str(), nullptr, 10);
        ASSERT_NE(otherWindow, 0ul);
    }

    int width = 0;
    int height = 0;
    QProcess other;
    unsigned long otherWindow = 0;
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
        const int row = firstLitRow(shot, r.top() - 2, r.bottom(), r.left(), r.left() + 200);
        EXPECT_GE(row, r.top()) << "text at y " << r.top();
        EXPECT_LE(row, r.top() + 14) << "text at y " << r.top();
        const int column = firstLitColumn(shot, r.left() - 20, r.right(), r.top(), r.bottom());
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
        const int row = firstLitRow(shot, r.top() - 6, r.bottom(), r.left(), r.right());
        EXPECT_GE(row, r.top());
        EXPECT_LE(row, r.top() + 14);
        const int column = firstLitColumn(shot, r.left() - 20, r.right(), r.top(), r.bottom());
        EXPECT_GE(column, r.left());
        EXPECT_LE(column, r.left() + 6);
    }
}

TEST_F(ScreenWindowTest, SpaceAndEscapeSentThroughXTest) {
    PostRecorder posts{"CalibrateStart", "StopCalibratePreview", "StopCalibrate"};
    CalibrationPreViewWindowController preview;
    preview.showWindow();
    ASSERT_TRUE(hasKeyboard(preview.window()));
    EXPECT_EQ(runCommand("xdotool key a Return").status, 0);
    testing::settle(200ms);
    EXPECT_TRUE(posts.posts.empty());
    EXPECT_EQ(runCommand("xdotool key space").status, 0);
    ASSERT_TRUE(waitUntil([&] { return !posts.posts.empty(); }));
    EXPECT_EQ(posts.posts, std::vector<std::string>{"CalibrateStart"});

    CalibrateWindowController targets;
    targets.showWindow();
    ASSERT_TRUE(hasKeyboard(targets.window()));
    EXPECT_EQ(runCommand("xdotool key Escape").status, 0);
    ASSERT_TRUE(waitUntil([&] { return posts.posts.size() == 2; }));
    testing::settle(200ms);
    EXPECT_EQ(posts.posts, (std::vector<std::string>{"CalibrateStart", "StopCalibrate"}));
    EXPECT_EQ(cursorHideCount(), 0);
}

TEST_F(ScreenWindowTest, HeldEscapeActsOnceOnItsRealRelease) {
    PostRecorder posts{"StopCalibratePreview"};
    CalibrationPreViewWindowController preview;
    preview.showWindow();
    ASSERT_TRUE(hasKeyboard(preview.window()));
    EXPECT_EQ(runCommand("xdotool keydown Escape").status, 0);
    testing::settle(900ms); // long past the server's auto-repeat delay
    EXPECT_TRUE(posts.posts.empty());
    EXPECT_TRUE(preview.window()->isVisible());
    EXPECT_EQ(runCommand("xdotool keyup Escape").status, 0);
    ASSERT_TRUE(waitUntil([&] { return !posts.posts.empty(); }));
    testing::settle(200ms);
    EXPECT_EQ(posts.posts.size(), 1u);
}

TEST_F(ScreenWindowTest, AnotherApplicationNeitherKeepsTheKeyboardNorStaysAbove) {
    CalibrateWindowController targets;
    targets.showWindow();
    ASSERT_TRUE(hasKeyboard(targets.window()));
    ASSERT_TRUE(paintedOnce(targets.calibrate_view(), 0));

    openOtherApplication();
    runCommand("xdotool windowactivate " + std::to_string(otherWindow) + " 2>/dev/null");
    runCommand("xdotool windowfocus " + std::to_string(otherWindow));
    runCommand("xdotool windowraise " + std::to_string(otherWindow));

    // The screen takes the keyboard back and is on top again.
    const std::string ours = std::to_string(targets.window()->winId());
    EXPECT_TRUE(waitUntil(
        [&] {
            return QGuiApplication::focusWindow() == targets.window()->windowHandle() &&
                   runCommand("xdotool getwindowfocus").out.find(ours) != std::string::npos;
        },
        5000ms));
    testing::settle(300ms);
    const QImage shot = screenshot();
    // The other window's area shows the black screen, not the message.
    const auto geometry =
        runCommand("xdotool getwindowgeometry --shell " + std::to_string(otherWindow)).out;
    int x = 0, y = 0;
    std::sscanf(geometry.c_str() + geometry.find("X="), "X=%d", &x);
    std::sscanf(geometry.c_str() + geometry.find("Y="), "Y=%d", &y);
    for (const QPoint& p : {QPoint(x + 10, y + 10), QPoint(x + 150, y + 60)}) {
        EXPECT_FALSE(lit(shot.pixel(p))) << p.x() << "," << p.y();
    }
    // Escape reaches the screen again.
    PostRecorder posts{"StopCalibrate"};
    EXPECT_EQ(runCommand("xdotool key Escape").status, 0);
    EXPECT_TRUE(waitUntil([&] { return posts.posts.size() == 1; }));
}

TEST_F(ScreenWindowTest, ResultButtonsPostTheirNamesOnlyOnceHandedIn) {
    PostRecorder posts{"DiagnosisRestart", "DiagnosisClose"};
    CalibrateMessageWindowController controller;
    controller.showWindow();
    ASSERT_TRUE(paintedOnce(controller.drawView(), 0));
    const layout::ResultButtons frames = layout::resultButtons(layout::resultAnchor(width, height));
    const QPoint close = onScreen(frames.close, height).center();
    const QPoint start = onScreen(frames.start, height).center();
    const auto click = [](const QPoint& p) {
        return runCommand("xdotool mousemove " + std::to_string(p.x()) + " " +
                          std::to_string(p.y()) + " click 1")
            .status;
    };
    // Before the names are handed in the buttons post nothing.
    EXPECT_EQ(click(close), 0);
    EXPECT_EQ(click(start), 0);
    testing::settle(300ms);
    EXPECT_TRUE(posts.posts.empty());

    controller.setErrorType(2, 1, 0, QStringLiteral("DiagnosisRestart"),
                            QStringLiteral("DiagnosisClose"));
    testing::drainEvents();
    EXPECT_EQ(click(start), 0);
    ASSERT_TRUE(waitUntil([&] { return posts.posts.size() == 1; }));
    EXPECT_EQ(click(close), 0);
    ASSERT_TRUE(waitUntil([&] { return posts.posts.size() == 2; }));
    // A press that began on a button posts wherever it is released.
    EXPECT_EQ(runCommand("xdotool mousemove " + std::to_string(start.x()) + " " +
                         std::to_string(start.y()) + " mousedown 1 mousemove 40 40 mouseup 1")
                  .status,
              0);
    ASSERT_TRUE(waitUntil([&] { return posts.posts.size() == 3; }));
    testing::settle(200ms);
    EXPECT_EQ(posts.posts,
              (std::vector<std::string>{"DiagnosisRestart", "DiagnosisClose", "DiagnosisRestart"}));
}

TEST_F(ScreenWindowTest, PanelsStayBehindTheScreen) {
    // A red panel along the top-left edge, as a desktop's panel or dock.
    other.start(QStringLiteral("trayer"),
                {QStringLiteral("--edge"), QStringLiteral("top"), QStringLiteral("--align"),
                 QStringLiteral("left"), QStringLiteral("--widthtype"), QStringLiteral("pixel"),
                 QStringLiteral("--width"), QStringLiteral("400"), QStringLiteral("--height"),
                 QStringLiteral("40"), QStringLiteral("--tint"), QStringLiteral("0xff0000"),
                 QStringLiteral("--transparent"), QStringLiteral("true"), QStringLiteral("--alpha"),
                 QStringLiteral("0")});
    ASSERT_TRUE(other.waitForStarted(3000));
    const auto red = [](QRgb p) { return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60; };
    ASSERT_TRUE(waitUntil([&] { return red(screenshot().pixel(200, 20)); }, 5000ms));

    CalibrateWindowController targets;
    targets.showWindow();
    ASSERT_TRUE(paintedOnce(targets.calibrate_view(), 0));
    testing::settle(300ms);
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
    testing::settle(600ms);
    EXPECT_EQ(QGuiApplication::focusWindow(), dialog.windowHandle());
    // The dialog stays in front of the screen (give a slow server time to show it).
    EXPECT_TRUE(waitUntil([&] { return lit(screenshot().pixel(width / 2, height / 2)); }, 3000ms));
    EXPECT_EQ(dialog.geometry(), QRect((width - 300) / 2, (height - 200) / 2, 300, 200));
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
    const auto found = runCommand(
        "timeout 10 xdotool search --sync --onlyvisible --classname eboard-window-bench | head -1");
    const std::string window = found.out.substr(0, found.out.find('\n'));
    ASSERT_FALSE(window.empty());
    EXPECT_TRUE(waitUntil([&] {
        return runCommand("xdotool getwindowfocus").out.find(window) != std::string::npos;
    }));
    EXPECT_EQ(runCommand("xdotool key Escape").status, 0);
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
