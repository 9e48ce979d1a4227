#include "PostRecorder.h"
#include "ui/dialogs/DialogButtons.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

using eboard::testing::PostRecorder;
using Posts = std::vector<std::string>;

void click(QWidget& button, Qt::MouseButton which = Qt::LeftButton) {
    const QPointF at(button.width() / 2.0, button.height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, at, button.mapToGlobal(at), which, which,
                      Qt::NoModifier);
    QApplication::sendEvent(&button, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, button.mapToGlobal(at), which, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&button, &release);
}

// Opens the protected face choice to the tests.
template <typename Button> struct FaceOf : Button { using Button::faceFileName; };

TEST(TwoStateButton, PostsNothingUntilANameIsHandedIn) {
    PostRecorder recorder{"showCalibrationYes", " ", ""};
    eboard::StartNormalCalibrateButton button;
    button.resize(115, 31);
    EXPECT_FALSE(button.PostMessage().has_value());
    click(button); // never initialised: no name at all
    button.initval(1);
    EXPECT_EQ(button.PostMessage(), QStringLiteral(" "));
    EXPECT_EQ(button.buttonType(), 1);
    click(button);
    EXPECT_TRUE(recorder.posts.empty());

    button.setButtonInfo(QStringLiteral("showCalibrationYes"), QRectF(1, 2, 3, 4));
    click(button);
    click(button); // a second click posts again
    EXPECT_EQ(recorder.posts, (Posts{"showCalibrationYes", "showCalibrationYes"}));
}

TEST(TwoStateButton, NoNameKeepsTheOldOneAndInitvalClearsIt) {
    PostRecorder recorder{"StopCalNo"};
    eboard::AbortMessageButton button;
    button.initval(0);
    button.setButtonInfo(QStringLiteral("StopCalNo"), QRectF(0, 0, 115, 31));
    button.setButtonInfo(std::nullopt, QRectF(5, 6, 7, 8));
    EXPECT_EQ(button.PostMessage(), QStringLiteral("StopCalNo"));
    EXPECT_EQ(button.btn_rect(), QRectF(5, 6, 7, 8));
    click(button);
    EXPECT_EQ(recorder.posts, (Posts{"StopCalNo"}));

    // A single blank handed in is the "posts nothing" name, not a name to post.
    button.setButtonInfo(QStringLiteral(" "), QRectF());
    click(button);
    button.setButtonInfo(QStringLiteral("StopCalNo"), QRectF());
    button.initval(0);
    click(button);
    EXPECT_EQ(recorder.posts, (Posts{"StopCalNo"}));
}

TEST(TwoStateButton, OnlyTheLeftButtonClicks) {
    PostRecorder recorder{"ExcellentClose"};
    eboard::CalibrateExcellentButton button;
    button.initval(1);
    button.setButtonInfo(QStringLiteral("ExcellentClose"), QRectF());
    click(button, Qt::RightButton);
    click(button, Qt::MiddleButton);
    EXPECT_TRUE(recorder.posts.empty());
    click(button);
    EXPECT_EQ(recorder.posts, (Posts{"ExcellentClose"}));
}

TEST(TwoStateButton, FaceFollowsTheType) {
    FaceOf<eboard::PoorEndNormalCalBtn> poor;
    poor.initval(0);
    EXPECT_EQ(poor.faceFileName(), QStringLiteral("CP_4.2-btn-fc.png"));
    poor.initval(1);
    EXPECT_EQ(poor.faceFileName(), QStringLiteral("CP_4.2-btn-sd.png"));
    poor.initval(7); // any non-zero type is the affirmative one
    EXPECT_EQ(poor.faceFileName(), QStringLiteral("CP_4.2-btn-sd.png"));

    FaceOf<eboard::StartDiagnosisButton> diagnosis;
    diagnosis.initval(0);
    EXPECT_EQ(diagnosis.faceFileName(), QStringLiteral("SCPD_1-btn-c.png"));
    diagnosis.initval(1);
    EXPECT_EQ(diagnosis.faceFileName(), QStringLiteral("SCPD_1-btn-s.png"));

    FaceOf<eboard::StartNormalCalibrateButton> start;
    FaceOf<eboard::AbortMessageButton> abort;
    for (int type : {0, 1}) {
        start.initval(type);
        abort.initval(type);
        EXPECT_EQ(start.faceFileName(), type == 0 ? QStringLiteral("CP_1-btn-no.png")
                                                  : QStringLiteral("CP_1-btn-yes.png"));
        EXPECT_EQ(abort.faceFileName(), start.faceFileName());
    }

    FaceOf<eboard::TextButton> text;
    FaceOf<eboard::CheckCamPositionButton> camera;
    FaceOf<eboard::CalibrateExcellentButton> excellent;
    for (int type : {0, 1}) {
        text.initval(type);
        camera.initval(type);
        excellent.initval(type);
        EXPECT_TRUE(text.faceFileName().isEmpty());
        EXPECT_TRUE(camera.faceFileName().isEmpty());
        EXPECT_TRUE(excellent.faceFileName().isEmpty());
    }
    EXPECT_EQ(FaceOf<eboard::EndNormalCalibrateButton>().faceFileName(),
              QStringLiteral("CP_4.1-btn-ok.png"));
    EXPECT_EQ(FaceOf<eboard::DeviceDoNotConnectButton>().faceFileName(),
              QStringLiteral("CP_4.1-btn-ok.png"));
}

TEST(SinglePurposeButton, PostsItsFixedNameOnEveryClick) {
    PostRecorder recorder{"NormalCalibrateDone", "DeviceNotConnectDone"};
    eboard::EndNormalCalibrateButton end;
    eboard::DeviceDoNotConnectButton device;
    click(end);
    click(device);
    click(end);
    EXPECT_EQ(recorder.posts,
              (Posts{"NormalCalibrateDone", "DeviceNotConnectDone", "NormalCalibrateDone"}));
}

TEST(TwoStateButton, InvisibleButtonsDrawNothingButTakeClicks) {
    PostRecorder recorder{"DiagnosisClose"};
    QWidget page;
    page.resize(300, 100);
    page.setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::red);
    page.setPalette(palette);
    auto* button = new eboard::TextButton(&page);
    button->setGeometry(10, 10, 235, 34);
    button->initval(0);
    button->setButtonInfo(QStringLiteral("DiagnosisClose"), button->geometry());

    const QImage shot = page.grab().toImage();
    for (int y = 10; y < 44; y += 5) {
        for (int x = 10; x < 245; x += 20) {
            ASSERT_EQ(shot.pixelColor(x, y), QColor(Qt::red)) << x << "," << y;
        }
    }
    click(*button);
    EXPECT_EQ(recorder.posts, (Posts{"DiagnosisClose"}));
}

} // namespace
