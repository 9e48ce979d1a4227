#include <QApplication>
#include <QEnterEvent>
#include <TamsuToolKit/TKButton.h>
#include <TamsuToolKit/TKWindow.h>
#include <TamsuToolKit/TextColor.h>
#include <gtest/gtest.h>

using namespace TamsuToolKit;

namespace {

QImage solid(QColor color) {
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(color);
    return image;
}

void enter(QWidget* widget) {
    QEnterEvent event(QPointF(1, 1), QPointF(1, 1), widget->mapToGlobal(QPointF(1, 1)));
    QApplication::sendEvent(widget, &event);
}

void leave(QWidget* widget) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

TEST(ToolkitTKButton, SelectedTitleRules) {
    TKButton button;
    button.setNormalTitle(QStringLiteral("Normal"));
    button.setText(QStringLiteral("Shown"));
    button.setSelected(true);
    EXPECT_EQ(button.text(), QStringLiteral("Shown")) << "empty selected title keeps the title";
    EXPECT_TRUE(button.selected());
    button.setSelectedTitle(QStringLiteral("Chosen"));
    button.setSelected(true);
    EXPECT_EQ(button.text(), QStringLiteral("Chosen"));
    button.setSelected(false);
    EXPECT_EQ(button.text(), QStringLiteral("Normal"));
    EXPECT_FALSE(button.selected());
}

TEST(ToolkitTKButton, TitleChangesKeepTheTextColour) {
    TKButton button;
    button.setNormalTitle(QStringLiteral("Normal"));
    button.setSelectedTitle(QStringLiteral("Chosen"));
    TextColor::setTextColor(&button, QColor(200, 20, 20));
    button.setSelected(true);
    EXPECT_EQ(TextColor::textColor(&button), QColor(200, 20, 20));
    button.setSelected(false);
    EXPECT_EQ(TextColor::textColor(&button), QColor(200, 20, 20));
}

TEST(ToolkitTKButton, SelectedAndNormalImages) {
    TKButton button;
    const QImage normal = solid(Qt::red);
    const QImage selected = solid(Qt::green);
    button.setNormalImage(normal);
    button.setSelected(true);
    EXPECT_TRUE(button.image().isNull()) << "no selected image: the image is left alone";
    button.setSelectedImage(selected);
    button.setSelected(true);
    EXPECT_EQ(button.image(), selected);
    EXPECT_FALSE(button.icon().isNull());
    button.setSelected(false);
    EXPECT_EQ(button.image(), normal);
    button.setNormalImage({});
    button.setSelected(false);
    EXPECT_TRUE(button.image().isNull()) << "unselecting shows the normal image even when none";
    EXPECT_TRUE(button.icon().isNull());
}

TEST(ToolkitTKButton, MouseOverNeedsTrackingFromAwakeFromNib) {
    TKButton button(QRect(0, 0, 80, 30));
    const QImage normal = solid(Qt::red);
    const QImage over = solid(Qt::blue);
    const QImage selected = solid(Qt::green);
    button.setMouseOverImage(over);
    enter(&button);
    EXPECT_TRUE(button.image().isNull()) << "a button built in code has no tracking";

    button.awakeFromNib();
    button.setNormalImage(normal);
    button.setSelectedImage(selected);
    button.setMouseOverImage(over);
    enter(&button);
    EXPECT_EQ(button.image(), over);
    leave(&button);
    EXPECT_EQ(button.image(), normal);
    button.setSelected(true);
    enter(&button);
    leave(&button);
    EXPECT_EQ(button.image(), selected);
}

TEST(ToolkitTKButton, AwakeFromNibTakesTheFormsValues) {
    TKButton button;
    button.setText(QStringLiteral("From form"));
    button.awakeFromNib();
    EXPECT_EQ(button.normalTitle(), QStringLiteral("From form"));
    EXPECT_TRUE(button.selectedTitle().isEmpty());
    EXPECT_EQ(button.cursor().shape(), Qt::PointingHandCursor);
}

TEST(ToolkitTKWindow, KeyAndMainAnswers) {
    TKWindow window;
    EXPECT_FALSE(window.canBecomeKeyWindow());
    EXPECT_FALSE(window.canBecomeMainWindow());
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(window.testAttribute(Qt::WA_ShowWithoutActivating));
    window.show();
    window.setCanBecomeKeyWindow(true);
    EXPECT_TRUE(window.canBecomeKeyWindow());
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(window.isVisible()) << "changing the answer keeps the window shown";
    window.setCanBecomeMainWindow(true);
    EXPECT_TRUE(window.canBecomeMainWindow());
}

} // namespace
