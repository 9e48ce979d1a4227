#include "PostRecorder.h"
#include "core/layout/DialogLayout.h"
#include "core/notify/NotificationCenter.h"
#include "core/state/JUXPrompt.h"
#include "support/EventLoop.h"
#include "support/SharedState.h"
#include "support/TempDir.h"
#include "ui/AppResources.h"
#include "ui/calibration/CalibrateMessageWindowController.h"
#include "ui/common/BoardScreen.h"
#include "ui/common/DrawnView.h"
#include "ui/dialogs/AbortWindowController.h"
#include "ui/dialogs/CalibrateExcellentWindow.h"
#include "ui/dialogs/CalibrateNotSavedWindow.h"
#include "ui/dialogs/CheckCamPositionWindow.h"
#include "ui/dialogs/DeviceDoNotConnectWindow.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui/dialogs/DialogViews.h"
#include "ui/dialogs/EndNormalCalibratePoorWindow.h"
#include "ui/dialogs/EndNormalCalibrateWindow.h"
#include "ui/dialogs/StartDiagnosisWindow.h"
#include "ui/dialogs/StartNormalCalibrateDlg.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace {

using eboard::JUXPrompt;
using eboard::NotificationCenter;
using eboard::testing::PostRecorder;
using Posts = std::vector<std::string>;

void click(QWidget* button) {
    ASSERT_NE(button, nullptr);
    const QPointF at(button->width() / 2.0, button->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, at, button->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, button->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(button, &release);
}

void releaseKey(QWidget* window, Qt::Key key, bool autoRepeat = false) {
    QKeyEvent event(QEvent::KeyRelease, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(window, &event);
}

class DialogControllers : public ::testing::Test {
protected:
    static void SetUpTestSuite() { eboard::installTranslations(*qApp, QLocale("en")); }
    void SetUp() override {
        ASSERT_EQ(eboard::boardScreenGeometry().size(), QSize(1440, 900));
        eboard::testing::resetSharedState();
        JUXPrompt::getPrompt().setScreenWidth(1440);
        JUXPrompt::getPrompt().setScreenHeight(900);
    }
};

TEST_F(DialogControllers, BoxedDialogsSetTheirTextsFromKeys) {
    eboard::StartNormalCalibrateDlg start;
    EXPECT_EQ(start.txt_title(), nullptr); // nothing exists before the window loads
    start.showWindow();
    EXPECT_EQ(start.txt_title()->text(), eboard::localizedString("normalCalibrateStartTitle"));
    EXPECT_EQ(start.txt_title()->text(), QStringLiteral("Calibrate the pen"));
    EXPECT_EQ(start.txt_contentText()->text(), eboard::localizedString("normalCalibrateStart"));

    eboard::StartDiagnosisWindow diagnosis;
    diagnosis.showWindow();
    EXPECT_EQ(diagnosis.txt_title()->text(), QStringLiteral("Diagnose the camera position"));
    EXPECT_EQ(diagnosis.txt_content()->text(), eboard::localizedString("completeCalibrateStart"));

    eboard::EndNormalCalibratePoorWindow poor;
    poor.showWindow();
    EXPECT_EQ(poor.txt_EndTitle()->text(), QStringLiteral("Calibration finished"));
    EXPECT_EQ(poor.txt_EndContent1()->text(),
              eboard::localizedString("normalCalibrateFinishPoorContent1"));
    EXPECT_EQ(poor.txt_EndContent2()->text(),
              eboard::localizedString("normalCalibrateFinishPoorContent2"));

    eboard::EndNormalCalibrateWindow end;
    end.showWindow();
    EXPECT_EQ(end.txt_EndNormalCalTitle()->text(), QStringLiteral("Calibration finished"));
    EXPECT_EQ(end.txt_EndNormalCalContent_1()->text(),
              eboard::localizedString("normalCalibrateFinishContent1"));
    EXPECT_EQ(end.txt_EndNormalCalContent_2()->text(),
              eboard::localizedString("normalCalibrateFinishContent2"));

    eboard::DeviceDoNotConnectWindow device;
    device.showWindow();
    // The title is the layout's own (translated) text; only the content comes from a key.
    EXPECT_EQ(device.txt_Title()->text(), QStringLiteral("Camera unit not connected"));
    EXPECT_EQ(device.txt_Content()->text(), eboard::localizedString("DeviceDidNotConnect"));
    EXPECT_NE(device.txt_Content()->text(), QStringLiteral("DeviceDidNotConnect"));
}

TEST_F(DialogControllers, NamesHandedInAfterShowingReachTheRightButtons) {
    PostRecorder recorder{"showCalibrationYes", "showCalibrationNo", "NormalCalibrateEnd",
                          "NormalCalibrateToDiagnosis"};
    eboard::StartNormalCalibrateDlg start;
    // Handed in before the window exists: dropped, as the load resets the names anyway.
    start.setDlgInfo(QStringLiteral("showCalibrationYes"), QStringLiteral("showCalibrationNo"));
    start.showWindow();
    EXPECT_EQ(start.btn_NO()->buttonType(), 0);
    EXPECT_EQ(start.btn_YES()->buttonType(), 1);
    click(start.btn_NO());
    click(start.btn_YES());
    EXPECT_TRUE(recorder.posts.empty());

    const QRect frameBefore = start.btn_NO()->geometry();
    start.setDlgInfo(QStringLiteral("showCalibrationYes"), QStringLiteral("showCalibrationNo"));
    EXPECT_EQ(start.btn_NO()->btn_rect(), QRectF(frameBefore));
    click(start.btn_NO());
    click(start.btn_YES());
    EXPECT_EQ(recorder.posts, (Posts{"showCalibrationNo", "showCalibrationYes"}));

    recorder.posts.clear();
    eboard::StartDiagnosisWindow diagnosis;
    diagnosis.showWindow();
    diagnosis.setDlgInfo(QStringLiteral("showCalibrationYes"), QStringLiteral("showCalibrationNo"));
    click(diagnosis.btn_cancel());
    click(diagnosis.btn_start());
    EXPECT_EQ(recorder.posts, (Posts{"showCalibrationNo", "showCalibrationYes"}));

    recorder.posts.clear();
    eboard::EndNormalCalibratePoorWindow poor;
    poor.showWindow();
    poor.setDlgInfo(QStringLiteral("NormalCalibrateToDiagnosis"),
                    QStringLiteral("NormalCalibrateEnd"));
    click(poor.btn_End_FinishCal());
    click(poor.btn_End_StartDia());
    EXPECT_EQ(recorder.posts, (Posts{"NormalCalibrateEnd", "NormalCalibrateToDiagnosis"}));
    // A click never closes a dialog by itself.
    EXPECT_TRUE(poor.window()->isVisible());
}

TEST_F(DialogControllers, SingleButtonDialogsCloseThemselvesAndNothingElse) {
    auto& center = NotificationCenter::defaultCenter();
    eboard::StartNormalCalibrateDlg other;
    other.showWindow();
    eboard::EndNormalCalibrateWindow end;
    end.showWindow();
    EXPECT_EQ(center.observerCount("NormalCalibrateDone"), 1u);
    click(end.btn_EndNormalCal_OK());
    EXPECT_FALSE(end.window()->isVisible());
    EXPECT_TRUE(other.window()->isVisible());
    EXPECT_EQ(center.observerCount("NormalCalibrateDone"), 0u);

    eboard::DeviceDoNotConnectWindow device;
    device.showWindow();
    EXPECT_EQ(center.observerCount("DeviceNotConnectDone"), 1u);
    click(device.btn_OK());
    EXPECT_FALSE(device.window()->isVisible());
    EXPECT_EQ(center.observerCount("DeviceNotConnectDone"), 0u);

    // The not-saved dialog says where and why, in the table's words.
    eboard::CalibrateNotSavedWindow notSaved;
    notSaved.showWindow();
    notSaved.setFailure(QStringLiteral("/home/a/eBoardSetting.archive: Is a directory"));
    EXPECT_EQ(notSaved.txt_Title()->text(), QStringLiteral("Calibration not saved"));
    EXPECT_TRUE(notSaved.txt_Content()->text().startsWith(QStringLiteral(
        "The calibration could not be saved (/home/a/eBoardSetting.archive: Is a directory).")))
        << notSaved.txt_Content()->text().toStdString();
    click(notSaved.btn_OK());
    EXPECT_FALSE(notSaved.window()->isVisible());
    EXPECT_TRUE(other.window()->isVisible());
}

TEST_F(DialogControllers, EscapeOnAStartDialogAnswersNo) {
    PostRecorder recorder{"showCalibrationYes", "showCalibrationNo"};
    eboard::StartNormalCalibrateDlg normal;
    eboard::StartDiagnosisWindow diagnosis;
    normal.showWindow();
    normal.setDlgInfo(QStringLiteral("showCalibrationYes"), QStringLiteral("showCalibrationNo"));
    diagnosis.showWindow();
    diagnosis.setDlgInfo(QStringLiteral("showCalibrationYes"), QStringLiteral("showCalibrationNo"));
    for (QWidget* window :
         {static_cast<QWidget*>(normal.window()), static_cast<QWidget*>(diagnosis.window())}) {
        const std::size_t before = recorder.posts.size();
        releaseKey(window, Qt::Key_Space);
        releaseKey(window, Qt::Key_Escape);
        EXPECT_TRUE(QTest::qWaitFor([&] { return recorder.posts.size() == before + 1; }));
    }
    QTest::qWait(120);
    EXPECT_EQ(recorder.posts, (Posts{"showCalibrationNo", "showCalibrationNo"}));
}

TEST_F(DialogControllers, DestroyingAControllerEndsItsObservations) {
    auto& center = NotificationCenter::defaultCenter();
    auto end = std::make_unique<eboard::EndNormalCalibrateWindow>();
    end->showWindow();
    auto device = std::make_unique<eboard::DeviceDoNotConnectWindow>();
    device->showWindow();
    // Replacing the controller in its field, as each opening does.
    end = std::make_unique<eboard::EndNormalCalibrateWindow>();
    EXPECT_EQ(center.observerCount("NormalCalibrateDone"), 0u);
    end->showWindow();
    EXPECT_EQ(center.observerCount("NormalCalibrateDone"), 1u);
    end.reset();
    device.reset();
    EXPECT_EQ(center.observerCount("NormalCalibrateDone"), 0u);
    EXPECT_EQ(center.observerCount("DeviceNotConnectDone"), 0u);
    center.postNotification("NormalCalibrateDone"); // nobody left to call
}

TEST_F(DialogControllers, StopDialogCoversTheScreenWithButtonsBelowTheContent) {
    PostRecorder recorder{"StopCalYes", "StopCalNo"};
    eboard::AbortWindowController abort;
    abort.showWindow();
    EXPECT_EQ(abort.window()->geometry().size(), QSize(1440, 900));
    EXPECT_EQ(abort.view_Abort()->geometry(), QRect(0, 0, 1440, 900));
    EXPECT_TRUE(abort.window()->windowFlags().testFlag(Qt::FramelessWindowHint));
    // (861, 297) and (732, 297) from the bottom-left: 900 - 297 - 31 = 572 from the top.
    EXPECT_EQ(abort.btn_AbortYes()->geometry(), QRect(861, 572, 115, 31));
    EXPECT_EQ(abort.btn_AbortNo()->geometry(), QRect(732, 572, 115, 31));
    EXPECT_EQ(abort.view_Abort()->getLeastDrawPoint(), (eboard::PointD{976, 357}));

    click(abort.btn_AbortYes());
    EXPECT_TRUE(recorder.posts.empty());
    abort.setDlgInfo(1, QStringLiteral("StopCalYes"), QStringLiteral("StopCalNo"));
    EXPECT_EQ(abort.view_Abort()->AbortViewType(), 1);
    click(abort.btn_AbortNo());
    click(abort.btn_AbortYes());
    EXPECT_EQ(recorder.posts, (Posts{"StopCalNo", "StopCalYes"}));
}

// What the page shows in a rectangle (bottom-left coordinates of a 1440 x 900 page).
QRect topDown(const eboard::layout::RectD& rect) {
    const auto r = eboard::layout::toTopDown(rect, 900);
    return QRectF(r.x, r.y, r.width, r.height).toRect();
}

QImage pageArea(QWidget& view, const eboard::layout::RectD& rect) {
    return view.grab(topDown(rect)).toImage();
}

// The same text drawn alone on black, as the page must draw it.
QImage reference(const char* key, const eboard::layout::RectD& rect, int pixelSize,
                 const QColor& colour) {
    QImage image(int(rect.width), int(rect.height), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setFont(eboard::helveticaFont(pixelSize));
    painter.setPen(colour);
    painter.drawText(QRectF(0, 0, rect.width, rect.height),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, eboard::localizedString(key));
    return image;
}

TEST_F(DialogControllers, StopDialogTextsFollowTheType) {
    const auto blocks = eboard::layout::stopDialog(1440, 900);
    const QColor titleColour = QColor::fromRgbF(0.21f, 0.66f, 1.0f);
    eboard::AbortMessageView view;
    view.resize(1440, 900);
    for (int type : {0, 1, 5}) {
        view.setAbortType(type);
        const char* title = type == 0 ? "ExitCalTitle" : "ExitDiaTitle";
        const char* content = type == 0 ? "ExitCal" : "ExitDia";
        EXPECT_STREQ(eboard::AbortMessageView::titleKey(type), title);
        EXPECT_STREQ(eboard::AbortMessageView::contentKey(type), content);
        EXPECT_EQ(pageArea(view, blocks.title).convertToFormat(QImage::Format_RGB32),
                  reference(title, blocks.title, 30, titleColour))
            << type;
        EXPECT_EQ(pageArea(view, blocks.content).convertToFormat(QImage::Format_RGB32),
                  reference(content, blocks.content, 16, Qt::white))
            << type;
    }
    // Outside the two blocks the page is black.
    const QImage page = view.grab().toImage();
    for (const QPoint p : {QPoint(0, 0), QPoint(463, 400), QPoint(977, 500), QPoint(700, 544),
                           QPoint(1439, 899), QPoint(700, 356)}) {
        EXPECT_EQ(page.pixelColor(p), QColor(Qt::black)) << p.x() << "," << p.y();
    }
}

TEST_F(DialogControllers, PictureDialogsPlaceTheirClickAreasFromTheAnchor) {
    PostRecorder recorder{"ExcellentClose", "ExcellentRestart", "restartCalibrationYes",
                          "restartCalibrationNo"};
    eboard::CalibrateExcellentWindow excellent;
    excellent.showWindow();
    // (425, 361) and (781, 361) from the bottom-left of a 900-high screen.
    EXPECT_EQ(excellent.btn_RetryDia()->geometry(), QRect(425, 505, 235, 34));
    EXPECT_EQ(excellent.btn_FinishDia()->geometry(), QRect(781, 505, 235, 34));
    click(excellent.btn_FinishDia());
    excellent.setDlgInfo(QStringLiteral("ExcellentClose"), QStringLiteral("ExcellentRestart"));
    click(excellent.btn_RetryDia());
    click(excellent.btn_FinishDia());

    eboard::CheckCamPositionWindow camera;
    camera.showWindow();
    EXPECT_EQ(camera.btn_cancel()->geometry(), QRect(425, 658, 235, 34));
    EXPECT_EQ(camera.btn_Sd()->geometry(), QRect(781, 658, 235, 34));
    camera.setDlgInfo(QStringLiteral("restartCalibrationYes"),
                      QStringLiteral("restartCalibrationNo"));
    click(camera.btn_cancel());
    click(camera.btn_Sd());
    EXPECT_EQ(recorder.posts, (Posts{"ExcellentRestart", "ExcellentClose", "restartCalibrationNo",
                                     "restartCalibrationYes"}));
}

TEST_F(DialogControllers, CameraPositionAdviceFollowsTheHintCode) {
    using eboard::CheckCamPositionView;
    EXPECT_EQ(CheckCamPositionView::pictureForHintCode(0), QStringLiteral("SCPD_6-2t.png"));
    EXPECT_EQ(CheckCamPositionView::pictureForHintCode(1), QStringLiteral("SCPD_6-3ct.png"));
    EXPECT_EQ(CheckCamPositionView::pictureForHintCode(2), QStringLiteral("SCPD_6-1c.png"));
    EXPECT_TRUE(CheckCamPositionView::pictureForHintCode(5).isEmpty());
    EXPECT_TRUE(CheckCamPositionView::pictureForHintCode(-1).isEmpty());

    // Code 5: a black page with working click areas.
    JUXPrompt::getPrompt().setItoScreenErrorType(5);
    PostRecorder recorder{"restartCalibrationYes"};
    eboard::CheckCamPositionWindow camera;
    camera.showWindow();
    camera.setDlgInfo(QStringLiteral("restartCalibrationYes"),
                      QStringLiteral("restartCalibrationNo"));
    const QImage page = camera.window()->grab().toImage();
    for (const QPoint p : {QPoint(0, 0), QPoint(720, 450), QPoint(500, 670), QPoint(1439, 899)}) {
        EXPECT_EQ(page.pixelColor(p), QColor(Qt::black));
    }
    click(camera.btn_Sd());
    EXPECT_EQ(recorder.posts, (Posts{"restartCalibrationYes"}));
}

TEST_F(DialogControllers, EscapeClosesTheCameraPositionDialogAndAsksToStopOnce) {
    PostRecorder recorder{"StopCheckPosition"};
    eboard::CheckCamPositionWindow camera;
    camera.showWindow();
    releaseKey(camera.window(), Qt::Key_Space);
    releaseKey(camera.window(), Qt::Key_Return);
    releaseKey(camera.window(), Qt::Key_Escape, /*autoRepeat=*/true);
    QTest::qWait(120);
    EXPECT_TRUE(camera.window()->isVisible());
    EXPECT_TRUE(recorder.posts.empty());
    releaseKey(camera.window(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !camera.window()->isVisible(); }));
    QTest::qWait(120);
    EXPECT_EQ(recorder.posts, (Posts{"StopCheckPosition"}));

    // The result dialog has no keys of its own.
    PostRecorder others{"StopCheckPosition", "StopResult", "ExcellentClose"};
    eboard::CalibrateExcellentWindow excellent;
    excellent.showWindow();
    releaseKey(excellent.window(), Qt::Key_Escape);
    releaseKey(excellent.window(), Qt::Key_Space);
    QTest::qWait(120);
    EXPECT_TRUE(excellent.window()->isVisible());
    EXPECT_TRUE(others.posts.empty());
}

TEST_F(DialogControllers, CameraPositionShowsTheAdviceOfTheResultThatWasShown) {
    // Advice pictures of distinct colours; the result screen's pictures are absent.
    eboard::testing::TempDir pictures;
    const std::vector<std::pair<const char*, QColor>> advice = {
        {"SCPD_6-2t.png", Qt::red}, {"SCPD_6-3ct.png", Qt::green}, {"SCPD_6-1c.png", Qt::blue}};
    for (const auto& [name, colour] : advice) {
        QImage image(600, 400, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(QString::fromStdString((pictures / name).string())));
    }
    ::setenv("EBOARD_PICTURE_DIR", pictures.path().c_str(), 1);

    // Grade 2 with an edge problem that is not at its maximum: hint code 1. The code is
    // there as soon as the result is handed over, whether or not the result has painted.
    eboard::CalibrateMessageWindowController result;
    result.showWindow();
    result.setErrorType(2, 1, 0, QStringLiteral("DiagnosisRestart"),
                        QStringLiteral("DiagnosisClose"));
    EXPECT_EQ(JUXPrompt::getPrompt().itoScreenErrorType(), 1);
    result.close();

    eboard::CheckCamPositionWindow camera;
    camera.showWindow();
    const QImage page = camera.window()->grab().toImage();
    // (420, 250, 600, 400) from the bottom-left of the 1440 x 900 page.
    EXPECT_EQ(page.pixelColor(420, 250), QColor(Qt::green));
    EXPECT_EQ(page.pixelColor(1019, 649), QColor(Qt::green));
    EXPECT_EQ(page.pixelColor(419, 250), QColor(Qt::black));
    EXPECT_EQ(page.pixelColor(420, 249), QColor(Qt::black));
    EXPECT_EQ(page.pixelColor(1020, 649), QColor(Qt::black));
    EXPECT_EQ(page.pixelColor(1019, 650), QColor(Qt::black));
    ::unsetenv("EBOARD_PICTURE_DIR");
}

} // namespace
