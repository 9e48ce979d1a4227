#include <QGuiApplication>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <TamsuToolKit/Fade.h>
#include <TamsuToolKit/MAAttachedWindow.h>
#include <TamsuToolKit/TKPopoverController.h>
#include <TamsuToolKit/TKPopoverWindow.h>
#include <TamsuToolKit/TKWindow.h>
#include <gtest/gtest.h>

using namespace TamsuToolKit;

namespace {

QWidget* makeView(int w, int h) {
    auto* view = new QWidget;
    view->resize(w, h);
    return view;
}

bool isWhite(QColor c) {
    return c.red() > 200 && c.green() > 200 && c.blue() > 200 && c.alpha() > 200;
}

TEST(ToolkitAttachedWindow, NullViewGivesNoWindow) {
    EXPECT_EQ(MAAttachedWindow::initWithView(nullptr, {10, 10}), nullptr);
    EXPECT_EQ(TKPopoverWindow::initWithView(nullptr, {10, 10}), nullptr);
}

TEST(ToolkitAttachedWindow, Side1LaysOutBelowThePointInQtCoordinates) {
    QPointer<QWidget> view = makeView(100, 50);
    auto window = MAAttachedWindow::initWithView(view, QPointF(500, 100), 1);
    ASSERT_NE(window, nullptr);
    // Below the point: the window starts at the point and reaches 70 further down.
    EXPECT_EQ(window->geometry(), QRect(448, 100, 104, 70));
    EXPECT_EQ(view->parentWidget(), window.get());
    EXPECT_EQ(view->geometry(), QRect(2, 18, 100, 50)) << "arrow room above the view";
    EXPECT_EQ(window->viewFrame(), QRectF(2, 2, 100, 50));
    EXPECT_TRUE(window->canBecomeKeyWindow());
    EXPECT_FALSE(window->canBecomeMainWindow());
    window.reset();
    EXPECT_TRUE(view.isNull()) << "the content view goes with its window";
}

TEST(ToolkitAttachedWindow, SetPointMovesAndChangesSide) {
    auto window = MAAttachedWindow::initWithView(makeView(100, 50), QPointF(500, 100), 1);
    window->setPoint(QPointF(300, 300), 3);
    EXPECT_EQ(window->side(), 3);
    EXPECT_EQ(window->geometry(), QRect(248, 230, 104, 70)) << "above the point";
    EXPECT_EQ(window->contentView()->geometry(), QRect(2, 2, 100, 50));
}

TEST(ToolkitAttachedWindow, PointInParentWindowCoordinates) {
    TKWindow parent;
    parent.setGeometry(100, 120, 400, 300);
    parent.show();
    const QPoint origin = parent.mapToGlobal(QPoint(0, 0));
    auto window = MAAttachedWindow::initWithView(makeView(100, 50), QPointF(200, 50), &parent, 1);
    EXPECT_EQ(window->geometry().topLeft(), origin + QPoint(200 - 52, 50));
    window->performClose();
    EXPECT_FALSE(parent.isVisible()) << "a close given to the bubble closes the parent";
}

TEST(ToolkitAttachedWindow, AutomaticSideAtCreation) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // Plenty of room below the middle of the screen.
    auto middle = MAAttachedWindow::initWithView(makeView(100, 50), QPointF(screen.center()));
    EXPECT_EQ(middle->side(), 1);
    // Near the bottom-left corner: not below; right of the point, extending up.
    auto corner = MAAttachedWindow::initWithView(makeView(100, 50),
                                                 QPointF(screen.left() + 20, screen.bottom() - 5));
    EXPECT_EQ(corner->side(), 6);
}

TEST(ToolkitAttachedWindow, SetterRules) {
    auto window = MAAttachedWindow::initWithView(makeView(100, 50), QPointF(500, 100), 1);
    window->setBorderWidth(10);
    EXPECT_FLOAT_EQ(window->borderWidth(), 2);
    window->setCornerRadius(100);
    EXPECT_FLOAT_EQ(window->cornerRadius(), 17);
    window->setViewMargin(-3);
    EXPECT_FLOAT_EQ(window->viewMargin(), 0);
    EXPECT_FLOAT_EQ(window->cornerRadius(), 15) << "re-clamped: (0 + 50 - 20) / 2";
    EXPECT_EQ(window->geometry().size(), QSize(100, 66)) << "the margin shrank the window";
    window->setHasArrow(0.9f);
    EXPECT_FLOAT_EQ(window->hasArrow(), 0) << "the flag setter truncates";
    window->setDrawsRoundCornerBesideArrow(2.5f);
    EXPECT_FLOAT_EQ(window->drawsRoundCornerBesideArrow(), 1);
    window->setArrowHeight(30);
    EXPECT_EQ(window->geometry().size(), QSize(100, 80));
}

TEST(ToolkitAttachedWindow, BubblePictureHasOutlineFillAndArrow) {
    auto window = MAAttachedWindow::initWithView(makeView(100, 50), QPointF(500, 100), 1);
    const QImage bubble = window->backgroundColorPatternImage();
    ASSERT_EQ(bubble.size(), QSize(104, 70) * bubble.devicePixelRatio());
    EXPECT_EQ(bubble.pixelColor(0, 69).alpha(), 0) << "outside the rounded corner";
    EXPECT_TRUE(isWhite(bubble.pixelColor(30, 18))) << "top outline beside the arrow";
    EXPECT_FALSE(isWhite(bubble.pixelColor(52, 18))) << "no outline across the arrow's base";
    EXPECT_TRUE(isWhite(bubble.pixelColor(52, 3))) << "border around the arrow's tip";
    const QColor fill = bubble.pixelColor(52, 45);
    EXPECT_NEAR(fill.alpha(), 191, 2);
    EXPECT_LT(fill.red(), 40);
    EXPECT_EQ(bubble.pixelColor(20, 5).alpha(), 0) << "beside the arrow is outside";

    window->setHasArrow(0);
    const QImage plain = window->backgroundColorPatternImage();
    EXPECT_EQ(plain.size(), bubble.size()) << "the arrow's room stays";
    EXPECT_EQ(plain.pixelColor(52, 3).alpha(), 0) << "no arrow drawn";

    window->setBackgroundColor(QColor(0, 200, 0));
    EXPECT_EQ(window->backgroundColorPatternImage().pixelColor(52, 45), QColor(0, 200, 0));
    EXPECT_EQ(window->windowBackgroundColor(), QColor(0, 200, 0));
    window->setBackgroundImage({});
    EXPECT_EQ(window->windowBackgroundColor(), QColor(0, 200, 0)) << "a null image does nothing";
}

TEST(ToolkitPopoverWindow, KeyAndMainAnswersDefaultToNo) {
    auto window = TKPopoverWindow::initWithView(makeView(40, 40), QPointF(200, 200), 1);
    EXPECT_FALSE(window->canBecomeKeyWindow());
    EXPECT_FALSE(window->canBecomeMainWindow());
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    window->setCanBecomeKeyWindow(true);
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
}

class ToolkitPopoverController : public ::testing::Test {
protected:
    void SetUp() override {
        host_.setGeometry(200, 200, 400, 300);
        button_ = new QPushButton(QStringLiteral("Open"), &host_);
        button_->setGeometry(150, 200, 100, 30);
        content_ = makeView(120, 60);
        controller_ = std::make_unique<TKPopoverController>(content_);
    }

    QPoint anchor() const { return button_->mapToGlobal(QPoint(button_->width() / 2, 0)); }

    TKWindow host_;
    QPushButton* button_ = nullptr;
    QPointer<QWidget> content_;
    std::unique_ptr<TKPopoverController> controller_;
};

TEST_F(ToolkitPopoverController, CreationStyle) {
    TKPopoverWindow* window = controller_->window();
    EXPECT_EQ(content_->parentWidget(), controller_->containerView());
    EXPECT_EQ(controller_->contentViewController(), content_.data());
    EXPECT_FLOAT_EQ(window->viewMargin(), 5);
    EXPECT_FLOAT_EQ(window->borderWidth(), 2);
    EXPECT_FLOAT_EQ(window->cornerRadius(), 10);
    EXPECT_FLOAT_EQ(window->arrowBaseWidth(), 10);
    EXPECT_FLOAT_EQ(window->arrowHeight(), 10);
    EXPECT_EQ(window->windowBackgroundColor(), QColor::fromRgbF(0.0f, 0.0f, 0.0f, 0.75f));
    EXPECT_EQ(window->windowOpacity(), 0.0);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ToolkitPopoverController, NothingWhileTheButtonsWindowIsHidden) {
    controller_->presentPopoverFromButton(button_, TKPopoverController::ArrowDirectionUp, false);
    EXPECT_FALSE(controller_->window()->isVisible());
}

TEST_F(ToolkitPopoverController, PresentsAboveTheButtonWithTheArrowOnIt) {
    host_.show();
    controller_->presentPopoverFromButton(button_, TKPopoverController::ArrowDirectionUp, false);
    TKPopoverWindow* window = controller_->window();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowOpacity(), 1.0);
    EXPECT_EQ(window->side(), 3);
    const QRect frame = window->geometry();
    EXPECT_EQ(frame.size(), QSize(130, 80));
    EXPECT_EQ(frame.x() + frame.width() / 2, anchor().x());
    EXPECT_EQ(frame.y() + frame.height(), anchor().y()) << "the tip touches the top edge";
    ASSERT_NE(window->windowHandle(), nullptr);
    EXPECT_EQ(window->windowHandle()->transientParent(), host_.windowHandle());

    controller_->dismissPopoverAnimated(false);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->windowHandle()->transientParent(), nullptr);
}

TEST_F(ToolkitPopoverController, OtherMasksKeepThePlace) {
    host_.show();
    controller_->presentPopoverFromButton(button_, TKPopoverController::ArrowDirectionUp, false);
    const QRect placed = controller_->window()->geometry();
    controller_->dismissPopoverAnimated(false);
    button_->move(10, 10);
    for (std::uint64_t mask : {std::uint64_t{2}, std::uint64_t{1 | 4}, std::uint64_t{1 | 8}}) {
        controller_->presentPopoverFromButton(button_, mask, false);
        EXPECT_EQ(controller_->window()->geometry(), placed) << mask;
        controller_->dismissPopoverAnimated(false);
    }
    // Bit 1 is not looked at.
    controller_->presentPopoverFromButton(button_, 1 | 2, false);
    EXPECT_NE(controller_->window()->geometry(), placed);
}

TEST_F(ToolkitPopoverController, PresentAtOnceDuringAFadeOutStaysShown) {
    host_.show();
    TKPopoverWindow* window = controller_->window();
    controller_->presentPopoverFromButton(button_, TKPopoverController::ArrowDirectionUp, false);
    controller_->dismissPopoverAnimated(true);
    controller_->presentPopoverFromButton(button_, TKPopoverController::ArrowDirectionUp, false);
    QTest::qWait(2 * Fade::FadeDurationMs);
    EXPECT_TRUE(window->isVisible()) << "the earlier fade-out must not hide it";
    EXPECT_EQ(window->windowOpacity(), 1.0);
}

TEST_F(ToolkitPopoverController, AnimatedPresentAndDismiss) {
    host_.show();
    TKPopoverWindow* window = controller_->window();
    controller_->presentPopoverFromButton(button_, TKPopoverController::ArrowDirectionUp, true);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->windowOpacity() == 1.0; }, 3000));
    controller_->dismissPopoverAnimated(true);
    EXPECT_TRUE(window->isVisible()) << "still fading";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }, 3000));
    EXPECT_EQ(window->windowOpacity(), 0.0);
    // It can be presented again.
    controller_->presentPopoverFromButton(button_, TKPopoverController::ArrowDirectionUp, true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->windowOpacity() == 1.0; }, 3000));
    EXPECT_TRUE(window->isVisible());
}

} // namespace
