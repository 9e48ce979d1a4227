#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>
#include <TamsuToolKit/TKImageView.h>
#include <gtest/gtest.h>
#include <thread>

using TamsuToolKit::TKImageView;

namespace {

QImage solid(int w, int h, QColor color) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(color);
    return image;
}

struct RectCase {
    QSizeF image;
    int mode;
    QRectF expected;
};

TEST(ToolkitImageView, ImageRectangleTable) {
    const QSizeF bounds(200, 100);
    const RectCase cases[] = {
        {{100, 100}, 0, {50, 0, 100, 100}},
        {{400, 100}, 0, {0, 25, 200, 50}},
        // Not rounded: 200 * 100 / 300 high, centred.
        {{300, 100}, 0, {0, (100 - 200.0 * 100 / 300) / 2, 200, 200.0 * 100 / 300}},
        {{100, 100}, 2, {0, 0, 200, 100}},
        {{100, 100}, 1, {}},
        {{100, 100}, 5, {}},
        {{100, 100}, -1, {}},
    };
    for (const RectCase& c : cases) {
        SCOPED_TRACE(c.mode);
        const QRectF r = TKImageView::imageRectForResizeMode(c.image, bounds, c.mode);
        EXPECT_EQ(r, c.expected);
    }
}

TEST(ToolkitImageView, CacheRules) {
    TKImageView view(QRect(0, 0, 200, 100));
    EXPECT_EQ(view.imageBounds(), QRectF()) << "no image, no rectangle";
    view.setImage(solid(100, 100, Qt::red));
    // Stored while stale: the next read computes.
    view.setImageBounds({1, 2, 3, 4});
    EXPECT_EQ(view.imageBounds(), QRectF(50, 0, 100, 100));
    // Stored while current: held until the next change.
    view.setImageBounds({1, 2, 3, 4});
    EXPECT_EQ(view.imageBounds(), QRectF(1, 2, 3, 4));
    view.setImage(solid(400, 100, Qt::red));
    EXPECT_EQ(view.imageBounds(), QRectF(0, 25, 200, 50));
    view.resize(400, 100);
    EXPECT_EQ(view.imageBounds(), QRectF(0, 0, 400, 100));
    view.setResizeMode(TKImageView::ResizeModeStretch);
    view.resize(50, 60);
    EXPECT_EQ(view.imageBounds(), QRectF(0, 0, 50, 60));
    view.setResizeMode(TKImageView::ResizeModeNone);
    EXPECT_EQ(view.imageBounds(), QRectF());
}

TEST(ToolkitImageView, DrawsTheImageIntoItsRectangle) {
    TKImageView view(QRect(0, 0, 200, 100));
    view.setBackgroundColor(QColor(0, 0, 255));
    view.setImage(solid(100, 100, QColor(255, 0, 0)));
    QImage shot(200, 100, QImage::Format_ARGB32_Premultiplied);
    view.render(&shot);
    EXPECT_EQ(shot.pixelColor(25, 50), QColor(0, 0, 255));
    EXPECT_EQ(shot.pixelColor(100, 50), QColor(255, 0, 0));
    view.setResizeMode(TKImageView::ResizeModeNone);
    view.render(&shot);
    EXPECT_EQ(shot.pixelColor(100, 50), QColor(0, 0, 255)) << "mode 1 draws nothing";
}

TEST(ToolkitImageView, ImageFromAnotherThread) {
    TKImageView view(QRect(0, 0, 50, 50));
    std::thread worker([&] {
        for (int i = 0; i < 50; ++i) {
            view.setImage(solid(10 + i, 10, Qt::green));
        }
    });
    for (int i = 0; i < 50; ++i) {
        (void)view.image();
        QCoreApplication::processEvents();
    }
    worker.join();
    QCoreApplication::processEvents();
    EXPECT_EQ(view.image().size(), QSize(59, 10));
}

TEST(ToolkitImageView, ImageFromUrl) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pic.png"));
    ASSERT_TRUE(solid(8, 6, Qt::red).save(path));
    TKImageView view;
    view.setImageURL(QUrl::fromLocalFile(path));
    EXPECT_EQ(view.imageURL(), QUrl::fromLocalFile(path));
    EXPECT_EQ(view.image().size(), QSize(8, 6));
    view.setImageURL(QUrl::fromLocalFile(dir.filePath(QStringLiteral("missing.png"))));
    EXPECT_TRUE(view.image().isNull());
    view.setImageURL(QUrl(QStringLiteral("https://example.invalid/pic.png")));
    EXPECT_TRUE(view.image().isNull());
}

} // namespace
