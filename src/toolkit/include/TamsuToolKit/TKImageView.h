#pragma once

#include <QImage>
#include <QMutex>
#include <QUrl>
#include <TamsuToolKit/TKView.h>

namespace TamsuToolKit {

// A TKView showing one image, fitted (mode 0), stretched over the bounds
// (mode 2) or not drawn (mode 1 and any other value). The image is a QImage so
// that any thread may hand one in: it is read and written under the view's lock
// and the repaint request is queued to the view's thread.
class TAMSUTOOLKIT_EXPORT TKImageView : public TKView {
    Q_OBJECT
public:
    enum ResizeMode : int { ResizeModeFit = 0, ResizeModeNone = 1, ResizeModeStretch = 2 };

    explicit TKImageView(QWidget* parent = nullptr);
    explicit TKImageView(const QRect& frame, QWidget* parent = nullptr);

    QImage image() const;
    void setImage(const QImage& image);

    QUrl imageURL() const { return imageURL_; }
    // Loads synchronously from a local file or a Qt resource (qrc:); anything
    // unreadable gives no image.
    void setImageURL(const QUrl& url);

    int resizeMode() const { return resizeMode_; }
    void setResizeMode(int mode);

    // Where the image is drawn, cached until the image, the size or the mode
    // changes. setImageBounds stores into the cache without making it current.
    QRectF imageBounds() const;
    void setImageBounds(const QRectF& bounds);

    void setBackgroundColor(std::optional<QColor> color) override;

    // The image rectangle for an image of `imageSize` in bounds of `boundsSize`.
    static QRectF imageRectForResizeMode(QSizeF imageSize, QSizeF boundsSize, int mode);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void invalidateImageBounds();

    mutable QMutex lock_;
    QImage image_;
    mutable bool validImageBounds_ = false;
    int resizeMode_ = ResizeModeFit;
    QUrl imageURL_;
    mutable QRectF imageBounds_;
    // Qt defers resize events of hidden widgets, so the cache also remembers
    // the size it was computed for.
    mutable QSize imageBoundsViewSize_;
};

} // namespace TamsuToolKit
