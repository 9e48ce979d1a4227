// Image, path, text-size and view-image categories.
#include <QFontMetricsF>
#include <TamsuToolKit/CGImage.h>
#include <TamsuToolKit/CGPath.h>
#include <TamsuToolKit/Extent.h>
#include <TamsuToolKit/NSImage.h>
#include <TamsuToolKit/Rotate.h>
#include <TamsuToolKit/Size.h>
#include <TamsuToolKit/TKView.h>
#include <TamsuToolKit/Tint.h>
#include <gtest/gtest.h>

using namespace TamsuToolKit;

namespace {

QImage filled(int w, int h, QColor color) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(color);
    return image;
}

TEST(ToolkitImage, TintKeepsTransparency) {
    QImage image = filled(3, 1, Qt::transparent);
    image.setPixelColor(0, 0, Qt::red);
    image.setPixelColor(1, 0, QColor(255, 0, 0, 128));
    const QImage tinted = Tint::tintedImageWithColor(image, Qt::blue);
    EXPECT_EQ(tinted.pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(tinted.pixelColor(2, 0).alpha(), 0);
    const QColor half = tinted.pixelColor(1, 0);
    EXPECT_NEAR(half.alpha(), 128, 1);
    EXPECT_EQ(half.red(), 0);
    EXPECT_GT(half.blue(), 250);
    // The original is untouched.
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::red));
}

TEST(ToolkitImage, ExtentAndBitmapRoundTrip) {
    QImage image = filled(30, 20, Qt::transparent);
    image.setPixelColor(4, 5, QColor(10, 200, 30));
    EXPECT_EQ(Extent::extent(image), QRectF(0, 0, 30, 20));
    const QImage bitmap = CGImage::CGImage(image);
    EXPECT_EQ(bitmap.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(bitmap.size(), QSize(30, 20));
    EXPECT_EQ(bitmap.pixelColor(4, 5), QColor(10, 200, 30));
    const QImage back = CGImage::imageFromCGImageRef(bitmap);
    EXPECT_EQ(back.size(), QSize(30, 20));
    EXPECT_EQ(back.pixelColor(4, 5), QColor(10, 200, 30));
    EXPECT_EQ(back.pixelColor(0, 0).alpha(), 0);
}

struct RotateCase {
    std::int64_t angle;
    QSize expected;
};

TEST(ToolkitImage, RotationSizeTable) {
    const QImage image = filled(200, 100, Qt::green);
    const RotateCase cases[] = {{90, {100, 200}},  {-90, {100, 200}}, {180, {200, 100}},
                                {270, {100, 200}}, {45, {212, 212}},  {30, {223, 187}}};
    for (const RotateCase& c : cases) {
        SCOPED_TRACE(c.angle);
        EXPECT_EQ(Rotate::rotateByAngle(image, c.angle).size(), c.expected);
    }
    const QSizeF exact = Rotate::rotatedSize({200, 100}, 45);
    EXPECT_NEAR(exact.width(), 212.132, 1e-3);
    EXPECT_NEAR(exact.height(), 212.132, 1e-3);
}

TEST(ToolkitImage, WholeTurnsAnswerTheSameImage) {
    const QImage image = filled(20, 10, Qt::green);
    for (std::int64_t angle : {0, 360, -720, 3600}) {
        EXPECT_EQ(Rotate::rotateByAngle(image, angle).cacheKey(), image.cacheKey()) << angle;
    }
}

TEST(ToolkitImage, PositiveAnglesTurnCounterclockwise) {
    QImage image = filled(200, 100, Qt::white);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            image.setPixelColor(x, y, Qt::red); // top-left corner
        }
    }
    const QImage turned = Rotate::rotateByAngle(image, 90);
    // A quarter turn counterclockwise moves the top-left corner to the bottom-left.
    EXPECT_EQ(turned.pixelColor(4, 195), QColor(Qt::red));
    EXPECT_NE(turned.pixelColor(95, 4), QColor(Qt::red));
    EXPECT_NE(turned.pixelColor(4, 4), QColor(Qt::red));
}

TEST(ToolkitPath, OpenPathIsClosed) {
    QPainterPath path;
    path.moveTo(0, 0);
    path.lineTo(10, 0);
    path.lineTo(10, 10);
    const auto copy = CGPath::CGPath(path);
    ASSERT_TRUE(copy.has_value());
    ASSERT_EQ(copy->elementCount(), 4);
    EXPECT_EQ(QPointF(copy->elementAt(3).x, copy->elementAt(3).y), QPointF(0, 0));
    EXPECT_EQ(copy->elementAt(3).type, QPainterPath::LineToElement);
}

TEST(ToolkitPath, EmptyPathGivesNothing) {
    EXPECT_FALSE(CGPath::CGPath(QPainterPath()).has_value());
}

TEST(ToolkitPath, CurvesAndClosedSubpathsAreCopied) {
    QPainterPath path;
    path.moveTo(0, 0);
    path.cubicTo(1, 2, 3, 4, 5, 0);
    path.closeSubpath();
    path.moveTo(20, 20);
    path.lineTo(30, 20);
    path.lineTo(30, 30);
    path.closeSubpath();
    const auto copy = CGPath::CGPath(path);
    ASSERT_TRUE(copy.has_value());
    ASSERT_EQ(copy->elementCount(), path.elementCount());
    for (int i = 0; i < path.elementCount(); ++i) {
        EXPECT_EQ(copy->elementAt(i).type, path.elementAt(i).type) << i;
        EXPECT_EQ(QPointF(copy->elementAt(i)), QPointF(path.elementAt(i))) << i;
    }
}

TEST(ToolkitSize, WrapsToTheConstraint) {
    const QFont font(QStringLiteral("DejaVu Sans"), 12);
    const double lineHeight = QFontMetricsF(font).height();
    const QSizeF one = Size::sizeWithFont(QStringLiteral("word"), font, {400, 400});
    EXPECT_GT(one.width(), 0.0);
    EXPECT_NEAR(one.height(), lineHeight, 2.0);
    const QString text = QStringLiteral("word ").repeated(30).trimmed();
    const QSizeF wrapped = Size::sizeWithFont(text, font, {100, 1000});
    EXPECT_LE(wrapped.width(), 100.0);
    EXPECT_GT(wrapped.height(), 3 * lineHeight);
    const QSizeF clipped = Size::sizeWithFont(text, font, {100, 2.5 * lineHeight});
    EXPECT_LE(clipped.height(), 2.5 * lineHeight);
}

TEST(ToolkitViewImage, ImageFromContentRendersTheView) {
    TKView view(QRect(0, 0, 40, 30));
    view.setBackgroundColor(QColor(200, 10, 10));
    const QImage image = NSImage::imageFromContent(&view);
    EXPECT_EQ(image.size(), QSize(40, 30) * image.devicePixelRatio());
    EXPECT_EQ(image.pixelColor(20, 15), QColor(200, 10, 10));
    EXPECT_TRUE(NSImage::imageFromContent(nullptr).isNull());
}

} // namespace
