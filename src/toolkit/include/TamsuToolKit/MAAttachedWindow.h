#pragma once

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPointF>
#include <QPointer>
#include <QWidget>
#include <TamsuToolKit/BubbleGeometry.h>
#include <TamsuToolKit/Export.h>
#include <memory>

namespace TamsuToolKit {

// A frameless, translucent top-level window shaped like a speech bubble around
// a content widget, whose arrow tip points at a point on the screen or in a
// parent window (see Bubble:: for the sides and the layout rules).
//
// Qt mapping: NSWindow is a top-level QWidget (Qt::Tool, frameless,
// translucent); points are Qt coordinates, global or in `window`'s widget
// coordinates, converted once to the y-up layout space. The bubble is rendered
// once per layout into an image that paintEvent draws behind the content
// widget; shadows are the window manager's. The content widget becomes a child
// of the bubble (Qt ownership); the parent window is not owned. The two flag
// properties are exchanged as floats (getter 0 or 1, setter truncates).
class TAMSUTOOLKIT_EXPORT MAAttachedWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int AutomaticSide = Bubble::AutomaticSide;

    // `view` must not be null; initWithView answers null for a null view.
    MAAttachedWindow(QWidget* view, QPointF point, QWidget* window, int side, float distance);
    ~MAAttachedWindow() override;

    // The designated initialiser and its shorter forms: without a window the point
    // is global; the side defaults to automatic, the distance to 0.
    static std::unique_ptr<MAAttachedWindow> initWithView(QWidget* view, QPointF point,
                                                          QWidget* window = nullptr,
                                                          int side = AutomaticSide,
                                                          float distance = 0.0f);
    static std::unique_ptr<MAAttachedWindow> initWithView(QWidget* view, QPointF point, int side,
                                                          float distance = 0.0f);

    // Moves the attachment and lays the window out again at once.
    void setPoint(QPointF point, int side);
    QPointF point() const { return point_; }
    int side() const { return side_; }
    float distance() const { return distance_; }
    QWidget* contentView() const { return view_; }
    QWidget* parentWindow() const { return window_; }
    // The content widget's frame inside the window, y-up, as laid out last.
    QRectF viewFrame() const { return viewFrame_; }

    QColor borderColor() const { return borderColor_; }
    void setBorderColor(const QColor& color);
    float borderWidth() const { return style_.borderWidth; }
    void setBorderWidth(float width);
    float viewMargin() const { return style_.viewMargin; }
    void setViewMargin(float margin);
    float arrowBaseWidth() const { return style_.arrowBaseWidth; }
    void setArrowBaseWidth(float width);
    float arrowHeight() const { return style_.arrowHeight; }
    void setArrowHeight(float height);
    float hasArrow() const { return style_.hasArrow ? 1.0f : 0.0f; }
    void setHasArrow(float hasArrow);
    float cornerRadius() const { return style_.cornerRadius; }
    void setCornerRadius(float radius);
    float drawsRoundCornerBesideArrow() const {
        return style_.drawsRoundCornerBesideArrow ? 1.0f : 0.0f;
    }
    void setDrawsRoundCornerBesideArrow(float draws);
    const Bubble::Style& style() const { return style_; }

    // The bubble's fill; a pattern image fills with the image tiled.
    QColor windowBackgroundColor() const { return fill_.color(); }
    void setBackgroundColor(const QColor& color);
    void setBackgroundImage(const QImage& image);

    // The rendered bubble the window shows behind its content.
    QImage backgroundColorPatternImage() const { return bubbleImage_; }

    virtual bool canBecomeKeyWindow() const { return true; }
    virtual bool canBecomeMainWindow() const { return false; }

    // A close command given to the bubble closes its parent window when it has one.
    void performClose();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void applyKeyWindowPolicy();

private:
    void updateGeometry();
    void updateBackground();
    void redisplay();
    QPointF anchorInLayoutSpace() const;
    int bestSideForAutomaticPosition() const;
    QSizeF viewSize() const { return viewFrame_.size(); }

    QColor borderColor_ = Qt::white;
    Bubble::Style style_;
    QBrush fill_;
    QPointer<QWidget> view_;
    QPointer<QWidget> window_;
    QPointF point_;
    int side_;
    float distance_;
    QRectF viewFrame_;
    bool resizing_ = false;
    QImage bubbleImage_;
};

} // namespace TamsuToolKit
