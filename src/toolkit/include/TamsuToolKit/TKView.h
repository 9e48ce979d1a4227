#pragma once

#include <QColor>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <TamsuToolKit/Export.h>
#include <functional>
#include <optional>

namespace TamsuToolKit {

// A widget whose drawing, event handling and tear-down are std::functions
// instead of overrides, with a square background, a rounded border, a tag,
// settable focus answers and a disabled state that lays a dimming,
// event-swallowing mask over it. NSView maps to QWidget:
//  - the drawing block runs inside paintEvent (open a QPainter on the view);
//  - the event block sees every input event first (mouse buttons, moves,
//    enter/leave, wheel, keys, tablet, gestures); setting `handled` stops it
//    there, otherwise QWidget's own handler runs;
//  - the cursor is QWidget::setCursor over the whole widget; mouse tracking
//    rectangles are Qt's Enter/Leave events, which every widget receives;
//  - the first-responder answers map to keyboard focus: a view accepts focus
//    (Qt::StrongFocus) only when both acceptsFirstResponder and
//    becomeFirstResponder are true; with resignFirstResponder false, Tab does
//    not move the focus out of it.
class TAMSUTOOLKIT_EXPORT TKView : public QWidget {
    Q_OBJECT
public:
    using DrawingBlock = std::function<void(TKView* view, const QRect& dirtyRect)>;
    using EventHandleBlock = std::function<void(QEvent* event, bool& handled)>;
    using DeallocCallbackBlock = std::function<void()>;

    explicit TKView(QWidget* parent = nullptr);
    explicit TKView(const QRect& frame, QWidget* parent = nullptr); // initWithFrame
    ~TKView() override;

    std::optional<QColor> backgroundColor() const { return backgroundColor_; }
    // A view redraws on its next update(); the image view redraws at once.
    virtual void setBackgroundColor(std::optional<QColor> color);
    std::optional<QColor> borderColor() const { return borderColor_; }
    void setBorderColor(std::optional<QColor> color) { borderColor_ = color; }
    double borderWidth() const { return borderWidth_; }
    void setBorderWidth(double width) { borderWidth_ = width; }
    double cornerRadius() const { return cornerRadius_; }
    void setCornerRadius(double radius) { cornerRadius_ = radius; }

    const DrawingBlock& drawingBlock() const { return drawingBlock_; }
    void setDrawingBlock(DrawingBlock block) { drawingBlock_ = std::move(block); }
    const EventHandleBlock& eventHandleBlock() const { return eventHandleBlock_; }
    void setEventHandleBlock(EventHandleBlock block) { eventHandleBlock_ = std::move(block); }
    const DeallocCallbackBlock& deallocCallbackBlock() const { return deallocCallbackBlock_; }
    void setDeallocCallbackBlock(DeallocCallbackBlock block) {
        deallocCallbackBlock_ = std::move(block);
    }

    qint64 tag() const { return tag_; }
    void setTag(qint64 tag) { tag_ = tag; }

    bool acceptsFirstResponder() const { return acceptsFirstResponder_; }
    void setAcceptsFirstResponder(bool accepts);
    bool becomeFirstResponder() const { return becomeFirstResponder_; }
    void setBecomeFirstResponder(bool become);
    bool resignFirstResponder() const { return resignFirstResponder_; }
    void setResignFirstResponder(bool resign) { resignFirstResponder_ = resign; }

    // The last value given to setEnabled; false for a new view, which still
    // behaves as enabled. Disabling lays the mask over the view; the view stays
    // enabled for Qt so that the mask, not Qt, decides what reaches it.
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    TKView* disableMaskView() const { return disableMaskView_; }

    // Adds `view` as a child, below the disabled mask when there is one. Children
    // created with this view as their parent are kept below the mask as well.
    void addSubview(QWidget* view);

    // The rectangle a border of `width` strokes in `bounds`: inset by half the width.
    static QRectF borderRectForBounds(const QRectF& bounds, double width);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void updateFocusPolicy();

    QPointer<TKView> disableMaskView_;
    bool resignFirstResponder_ = false;
    bool acceptsFirstResponder_ = false;
    bool becomeFirstResponder_ = false;
    bool enabled_ = false;
    std::optional<QColor> backgroundColor_;
    std::optional<QColor> borderColor_;
    double borderWidth_ = 0.0;
    double cornerRadius_ = 0.0;
    DrawingBlock drawingBlock_;
    EventHandleBlock eventHandleBlock_;
    DeallocCallbackBlock deallocCallbackBlock_;
    qint64 tag_ = 0;
};

} // namespace TamsuToolKit
