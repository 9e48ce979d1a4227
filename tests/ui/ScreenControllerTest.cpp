// The preview, target and result screens off screen: what they draw, what they do to
// the shared state, the cursor and the notifications.
#include "PostRecorder.h"
#include "ScreenFixture.h"
#include "core/notify/NotificationCenter.h"
#include "core/pen/ProjectiveMapping.h"
#include "support/EventLoop.h"
#include "ui/calibration/CalibrateMessageWindowController.h"
#include "ui/calibration/CalibrateView.h"
#include "ui/calibration/CalibrateWindowController.h"
#include "ui/calibration/CalibrationMessageView.h"
#include "ui/calibration/CalibrationPreView.h"
#include "ui/calibration/CalibrationPreViewWindowController.h"
#include "ui/dialogs/DialogButtons.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>

namespace eboard {
namespace {

using testing::PostRecorder;

constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kBlack = 0xff000000;

// Sizes the window like the board screen of the test and lets its first paint run.
void settleAt(QWidget* window, int width, int height) {
    window->setGeometry(0, 0, width, height);
    testing::drainEvents();
}

QImage render(QWidget* window) {
    return window->grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

void release(QWidget* window, Qt::Key key, bool autoRepeat = false) {
    QKeyEvent event(QEvent::KeyRelease, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(window, &event);
    // A release acts once it is clear that no repeated press follows it: on the window's
    // 40 ms timer. On a loaded machine qWait can make its last pass before that timer is
    // due, so one more pass runs it.
    QTest::qWait(80);
    testing::drainEvents();
}

// Whether the view-coordinate rectangle (y up) is filled with colour on a top-down image.
bool filled(const QImage& image, int x, int yUp, int w, int h, QRgb colour) {
    const int top = image.height() - yUp - h;
    for (int y = top; y < top + h; ++y) {
        for (int x0 = x; x0 < x + w; ++x0) {
            if (image.pixel(x0, y) != colour) {
                return false;
            }
        }
    }
    return true;
}

class PreviewScreenTest : public testing::ScreenFixture {};

TEST_F(PreviewScreenTest, SetUpEntersPreviewModeHidesTheCursorAndObserves) {
    auto controller = std::make_unique<CalibrationPreViewWindowController>();
    controller->showWindow();
    const JUXPrompt& prompt = JUXPrompt::getPrompt();
    EXPECT_EQ(prompt.currentStatus(), JUXPrompt::kPreviewMode);
    EXPECT_EQ(cursorHideCount(), 1);
    EXPECT_TRUE(controller->window()->isVisible());
    NotificationCenter& center = NotificationCenter::defaultCenter();
    EXPECT_EQ(center.observerCount("UpdatePreView"), 1u);
    EXPECT_EQ(center.observerCount("CleanPreView"), 1u);
    controller.reset();
    EXPECT_EQ(center.observerCount("UpdatePreView"), 0u);
    EXPECT_EQ(center.observerCount("CleanPreView"), 0u);
}

TEST_F(PreviewScreenTest, RawCentreIsDrawnOnceAsTheSquareAt955x535) {
    CalibrationPreViewWindowController controller;
    controller.showWindow();
    settleAt(controller.window(), 1920, 1080);

    JUXPrompt::getPrompt().setLightPointRaw({512, 384});
    NotificationCenter::defaultCenter().postNotification("UpdatePreView");
    EXPECT_EQ(controller.myPreView()->DrawAreaPoint(), (PointD{960, 540}));
    const QImage shown = render(controller.window());
    EXPECT_TRUE(filled(shown, 955, 535, 10, 10, kWhite));
    EXPECT_TRUE(filled(shown, 945, 535, 10, 10, kBlack));
    EXPECT_TRUE(filled(shown, 965, 535, 10, 10, kBlack));
    EXPECT_TRUE(filled(shown, 955, 545, 10, 10, kBlack));

    // A redraw with no new point shows none.
    const QImage redrawn = render(controller.window());
    EXPECT_TRUE(filled(redrawn, 955, 535, 10, 10, kBlack));
}

TEST_F(PreviewScreenTest, AnOpenPreviewFollowsTheBoardScreensNewSize) {
    CalibrationPreViewWindowController controller;
    controller.showWindow();
    settleAt(controller.window(), 1920, 1080);
    JUXPrompt& prompt = JUXPrompt::getPrompt();
    prompt.setLightPointRaw({512, 384});
    NotificationCenter::defaultCenter().postNotification("UpdatePreView");
    ASSERT_EQ(controller.myPreView()->DrawAreaPoint(), (PointD{960, 540}));

    // The projector changes resolution while the preview is open.
    prompt.setScreenWidth(1280);
    prompt.setScreenHeight(720);
    settleAt(controller.window(), 1280, 720);
    NotificationCenter::defaultCenter().postNotification("UpdatePreView");
    EXPECT_EQ(controller.myPreView()->DrawAreaPoint(), (PointD{640, 360}));
}

TEST_F(PreviewScreenTest, RawOriginIsDrawnAtTheCheckAreasTopLeft) {
    CalibrationPreViewWindowController controller;
    controller.showWindow();
    settleAt(controller.window(), 1920, 1080);
    JUXPrompt::getPrompt().setLightPointRaw({0, 0});
    NotificationCenter::defaultCenter().postNotification("UpdatePreView");
    EXPECT_EQ(controller.myPreView()->DrawAreaPoint(), (PointD{384, 864}));
}

TEST_F(PreviewScreenTest, CleanThenRedrawLeavesFrameTextsAndCornersOnly) {
    CalibrationPreViewWindowController controller;
    controller.showWindow();
    settleAt(controller.window(), 1920, 1080);
    JUXPrompt::getPrompt().setLightPointRaw({512, 384});
    NotificationCenter::defaultCenter().postNotification("UpdatePreView");
    NotificationCenter::defaultCenter().postNotification("CleanPreView");
    EXPECT_FALSE(controller.myPreView()->UpdatePoint());
    const QImage image = render(controller.window());
    EXPECT_TRUE(filled(image, 955, 535, 10, 10, kBlack));
    // Corner squares.
    for (const auto& [x, y] : {std::pair{0, 0}, {1870, 0}, {0, 1030}, {1870, 1030}}) {
        EXPECT_TRUE(filled(image, x, y, 50, 50, kWhite)) << x << "," << y;
    }
    // The frame (394, 226, 1132, 628) stroked 5 wide on its edges; black inside it.
    EXPECT_TRUE(filled(image, 393, 300, 3, 500, kWhite));
    EXPECT_TRUE(filled(image, 1524, 300, 3, 500, kWhite));
    EXPECT_TRUE(filled(image, 500, 225, 900, 3, kWhite));
    EXPECT_TRUE(filled(image, 500, 853, 900, 3, kWhite));
    EXPECT_TRUE(filled(image, 400, 232, 1120, 616, kBlack));
    // Outside the frame, the corners and the three text blocks everything is black.
    EXPECT_TRUE(filled(image, 60, 60, 300, 900, kBlack));
    EXPECT_TRUE(filled(image, 1560, 60, 300, 900, kBlack));
}

TEST_F(PreviewScreenTest, UsesItsOwnMappingNotThePenToScreenOne) {
    Quad square{0, 0, 1024, 0, 0, 768, 1024, 768};
    penToScreenMapping().setPerspective(square, square);
    const Matrix4 before = penToScreenMapping().transform();
    CalibrationPreViewWindowController controller;
    controller.showWindow();
    EXPECT_EQ(penToScreenMapping().transform(), before);
    const PointF corner = controller.previewMapping().mapPoint({1024, 768});
    EXPECT_FLOAT_EQ(corner.x, 1536.0f);
    EXPECT_FLOAT_EQ(corner.y, 864.0f);
}

TEST_F(PreviewScreenTest, SpaceGoesOnWithTheCursorStillHidden) {
    PostRecorder posts{"CalibrateStart", "StopCalibratePreview"};
    CalibrationPreViewWindowController controller;
    controller.showWindow();
    release(controller.window(), Qt::Key_Space, /*autoRepeat=*/true);
    release(controller.window(), Qt::Key_A);
    release(controller.window(), Qt::Key_Return);
    EXPECT_TRUE(posts.posts.empty());
    EXPECT_TRUE(controller.window()->isVisible());
    release(controller.window(), Qt::Key_Space);
    EXPECT_EQ(posts.posts, std::vector<std::string>{"CalibrateStart"});
    EXPECT_FALSE(controller.window()->isVisible());
    EXPECT_EQ(cursorHideCount(), 1);
    EXPECT_EQ(JUXPrompt::getPrompt().currentStatus(), JUXPrompt::kPreviewMode);
}

TEST_F(PreviewScreenTest, EscapeShowsTheCursorLeavesPreviewModeAndPostsOnce) {
    PostRecorder posts{"CalibrateStart", "StopCalibratePreview"};
    CalibrationPreViewWindowController controller;
    controller.showWindow();
    release(controller.window(), Qt::Key_Escape);
    EXPECT_EQ(posts.posts, std::vector<std::string>{"StopCalibratePreview"});
    EXPECT_FALSE(controller.window()->isVisible());
    EXPECT_EQ(cursorHideCount(), 0);
    EXPECT_EQ(JUXPrompt::getPrompt().currentStatus(), JUXPrompt::kPointerMode);
}

class TargetScreenTest : public testing::ScreenFixture {
protected:
    void capture(double x, double y) {
        JUXPrompt::getPrompt().setLightPointRaw({x, y});
        NotificationCenter::defaultCenter().postNotification("UpdateCalibrate");
    }
};

TEST_F(TargetScreenTest, FourCapturesCloseTheScreenAndShowTheCursor) {
    hideCursor(); // as the preview leaves it
    CalibrateWindowController controller;
    controller.showWindow();
    JUXPrompt& prompt = JUXPrompt::getPrompt();
    EXPECT_EQ(prompt.currentStatus(), JUXPrompt::kTargetCaptureMode);
    EXPECT_EQ(cursorHideCount(), 1);
    capture(100, 100);
    capture(120, 110); // held on target 0 still
    EXPECT_EQ(prompt.calibrateIndex(), 1);
    capture(100, 700);
    capture(900, 100);
    EXPECT_TRUE(controller.window()->isVisible());
    capture(900, 700);
    EXPECT_FALSE(controller.window()->isVisible());
    EXPECT_EQ(prompt.currentStatus(), JUXPrompt::kTargetsCapturedMode);
    EXPECT_EQ(prompt.calibrateIndex(), 0);
    EXPECT_EQ(cursorHideCount(), 0);
}

TEST_F(TargetScreenTest, EscapeResetsAndPostsOnce) {
    hideCursor();
    PostRecorder posts{"StopCalibrate"};
    CalibrateWindowController controller;
    controller.showWindow();
    capture(100, 100);
    capture(100, 700);
    release(controller.window(), Qt::Key_Space);
    release(controller.window(), Qt::Key_Escape, /*autoRepeat=*/true);
    EXPECT_TRUE(posts.posts.empty());
    release(controller.window(), Qt::Key_Escape);
    release(controller.window(), Qt::Key_Escape); // closed: a second release changes nothing
    EXPECT_EQ(posts.posts, std::vector<std::string>{"StopCalibrate"});
    const JUXPrompt& prompt = JUXPrompt::getPrompt();
    EXPECT_EQ(prompt.calibrateIndex(), 0);
    EXPECT_EQ(prompt.currentStatus(), JUXPrompt::kPointerMode);
    EXPECT_EQ(cursorHideCount(), 0);
    EXPECT_EQ(prompt.CalibratePoint().size(), 2u);
}

TEST_F(TargetScreenTest, CrosshairFollowsTheIndex) {
    addPicture("CP_3-crosshair.png", 40, 40, Qt::red);
    CalibrateWindowController controller;
    controller.showWindow();
    settleAt(controller.window(), 1920, 1080);
    const QRgb red = QColor(Qt::red).rgba();
    // Target 0 at (192, 972): the picture covers (172, 952, 40, 40).
    QImage image = render(controller.window());
    EXPECT_TRUE(filled(image, 172, 952, 40, 40, red));
    EXPECT_TRUE(filled(image, 212, 952, 10, 40, kBlack));
    capture(100, 100);
    image = render(controller.window());
    EXPECT_TRUE(filled(image, 172, 952, 40, 40, kBlack));
    EXPECT_TRUE(filled(image, 172, 88, 40, 40, red)); // target 1 at (192, 108)
}

TEST_F(TargetScreenTest, DestroyingTheControllerEndsItsObservation) {
    auto controller = std::make_unique<CalibrateWindowController>();
    controller->showWindow();
    EXPECT_EQ(NotificationCenter::defaultCenter().observerCount("UpdateCalibrate"), 1u);
    controller = std::make_unique<CalibrateWindowController>();
    EXPECT_EQ(NotificationCenter::defaultCenter().observerCount("UpdateCalibrate"), 0u);
    capture(100, 100);
    EXPECT_EQ(JUXPrompt::getPrompt().calibrateIndex(), 0);
}

class ResultScreenTest : public testing::ScreenFixture {};

TEST_F(ResultScreenTest, HintCodeIsWrittenBeforeAnyPaint) {
    JUXPrompt& prompt = JUXPrompt::getPrompt();
    prompt.setItoScreenErrorType(7);
    CalibrateMessageWindowController controller;
    controller.showWindow();
    EXPECT_EQ(prompt.itoScreenErrorType(), 2); // the first draw's default picture
    controller.setErrorType(2, 1, 0, QStringLiteral("DiagnosisRestart"),
                            QStringLiteral("DiagnosisClose"));
    EXPECT_EQ(prompt.itoScreenErrorType(), 1);
    controller.setErrorType(3, 0, 1, std::nullopt, std::nullopt);
    EXPECT_EQ(prompt.itoScreenErrorType(), 2);
    controller.setErrorType(1, 4, 1, std::nullopt, std::nullopt);
    EXPECT_EQ(prompt.itoScreenErrorType(), 0);
    // A later paint writes the same code again.
    settleAt(controller.window(), 1920, 1080);
    render(controller.window());
    EXPECT_EQ(prompt.itoScreenErrorType(), 0);
}

TEST_F(ResultScreenTest, ButtonsMoveUnderThePictureWithTheNames) {
    CalibrateMessageWindowController controller;
    controller.showWindow();
    EXPECT_EQ(controller.btn_close()->PostMessage(), QStringLiteral(" "));
    EXPECT_EQ(controller.btn_Start()->PostMessage(), QStringLiteral(" "));
    controller.setErrorType(1, 0, 0, QStringLiteral("DiagnosisRestart"),
                            QStringLiteral("DiagnosisClose"));
    EXPECT_EQ(controller.btn_close()->PostMessage(), QStringLiteral("DiagnosisClose"));
    EXPECT_EQ(controller.btn_Start()->PostMessage(), QStringLiteral("DiagnosisRestart"));
    // (665, 254, 235, 34) and (1021, 254, 235, 34) with y up on a 1080-high screen.
    EXPECT_EQ(controller.btn_close()->geometry(), QRect(665, 792, 235, 34));
    EXPECT_EQ(controller.btn_Start()->geometry(), QRect(1021, 792, 235, 34));
    EXPECT_EQ(controller.drawView()->getLeastDrawPoint(), (PointD{665, 270}));
}

TEST_F(ResultScreenTest, TwelvePicturesByGradeAndEdges) {
    struct Case {
        int area, edge, edgeMax;
        const char* picture;
    };
    const Case cases[] = {
        {1, 0, 0, "SCPD_3-1c.png"}, {1, 1, 1, "SCPD_3-2t.png"}, {1, 1, 0, "SCPD_3-3ct.png"},
        {2, 0, 0, "SCPD_4-1c.png"}, {2, 1, 1, "SCPD_4-2t.png"}, {2, 1, 0, "SCPD_4-3ct.png"},
        {3, 0, 1, "SCPD_5-1c.png"}, {3, 1, 1, "SCPD_5-2t.png"}, {3, 1, 0, "SCPD_5-3ct.png"},
        {0, 0, 0, "SCPD_3-c.png"},  {9, 1, 1, "SCPD_3-t.png"},  {-2, 1, 0, "SCPD_3-ct.png"},
    };
    int shade = 20;
    for (const Case& c : cases) {
        addPicture(QString::fromLatin1(c.picture), 600, 400, QColor(shade, 255 - shade, 90));
        shade += 15;
    }
    CalibrateMessageWindowController controller;
    controller.showWindow();
    settleAt(controller.window(), 1920, 1080);
    shade = 20;
    for (const Case& c : cases) {
        controller.setErrorType(c.area, c.edge, c.edgeMax, std::nullopt, std::nullopt);
        const QImage image = render(controller.window());
        // Centred: (660, 340, 600, 400) with English.
        EXPECT_TRUE(filled(image, 660, 340, 600, 400, QColor(shade, 255 - shade, 90).rgba()))
            << c.picture;
        EXPECT_TRUE(filled(image, 650, 340, 10, 400, kBlack)) << c.picture;
        shade += 15;
    }
}

TEST_F(ResultScreenTest, OtherLanguagesRaiseThePictureByTen) {
    addPicture("SCPD_4-1c.png", 800, 600, Qt::green);
    CalibrateMessageWindowController controller;
    controller.showWindow();
    settleAt(controller.window(), 1920, 1080);
    controller.setErrorType(2, 0, 0, std::nullopt, std::nullopt);
    const QRgb green = QColor(Qt::green).rgba();
    QImage image = render(controller.window());
    EXPECT_TRUE(filled(image, 560, 240, 800, 600, green));
    EXPECT_TRUE(filled(image, 560, 230, 800, 10, kBlack));
    JUXPrompt::getPrompt().setLocaleID(JUXPrompt::kJapanese);
    image = render(controller.window());
    EXPECT_TRUE(filled(image, 560, 250, 800, 600, green));
    EXPECT_TRUE(filled(image, 560, 240, 800, 10, kBlack));
}

TEST_F(ResultScreenTest, MissingPictureDrawsNothingAndEscapePostsStopResult) {
    PostRecorder posts{"StopResult"};
    hidePicture(QStringLiteral("SCPD_5-3ct.png"));
    CalibrateMessageWindowController controller;
    controller.showWindow();
    settleAt(controller.window(), 1920, 1080);
    controller.setErrorType(3, 1, 0, std::nullopt, std::nullopt);
    EXPECT_TRUE(filled(render(controller.window()), 0, 0, 1920, 1080, kBlack));
    EXPECT_EQ(JUXPrompt::getPrompt().itoScreenErrorType(), 1);
    release(controller.window(), Qt::Key_Space);
    EXPECT_TRUE(posts.posts.empty());
    release(controller.window(), Qt::Key_Escape);
    EXPECT_EQ(posts.posts, std::vector<std::string>{"StopResult"});
    EXPECT_FALSE(controller.window()->isVisible());
}

// Every way out of a run leaves the cursor visible, and showing it with nothing hidden
// never goes below zero.
class CursorPathTest : public testing::ScreenFixture {};

TEST_F(CursorPathTest, EscapeOnThePreview) {
    CalibrationPreViewWindowController preview;
    preview.showWindow();
    release(preview.window(), Qt::Key_Escape);
    EXPECT_EQ(cursorHideCount(), 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(CursorPathTest, SpaceThenFourTargets) {
    CalibrationPreViewWindowController preview;
    preview.showWindow();
    release(preview.window(), Qt::Key_Space);
    CalibrateWindowController targets;
    targets.showWindow();
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor);
    for (const auto& [x, y] :
         {std::pair{100.0, 100.0}, {100.0, 700.0}, {900.0, 100.0}, {900.0, 700.0}}) {
        JUXPrompt::getPrompt().setLightPointRaw({x, y});
        NotificationCenter::defaultCenter().postNotification("UpdateCalibrate");
    }
    EXPECT_EQ(cursorHideCount(), 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(CursorPathTest, SpaceThenEscapeOnTheTargets) {
    CalibrationPreViewWindowController preview;
    preview.showWindow();
    release(preview.window(), Qt::Key_Space);
    CalibrateWindowController targets;
    targets.showWindow();
    release(targets.window(), Qt::Key_Escape);
    EXPECT_EQ(cursorHideCount(), 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(CursorPathTest, ShowingWithNothingHiddenDoesNothing) {
    showCursor();
    showCursor();
    EXPECT_EQ(cursorHideCount(), 0);
    hideCursor();
    EXPECT_EQ(cursorHideCount(), 1);
    EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
    showCursor();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace
} // namespace eboard
