#include <QChildEvent>
#include <QPaintEvent>
#include <QPainter>
#include <TamsuToolKit/TKView.h>

namespace TamsuToolKit {

namespace {

bool isInputEvent(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::TabletEnterProximity:
    case QEvent::TabletLeaveProximity:
    case QEvent::NativeGesture:
    case QEvent::Gesture:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return false;
    }
}

} // namespace

TKView::TKView(QWidget* parent)
    : QWidget(parent) {
    updateFocusPolicy();
}

TKView::TKView(const QRect& frame, QWidget* parent)
    : TKView(parent) {
    setGeometry(frame);
}

TKView::~TKView() {
    if (deallocCallbackBlock_) {
        deallocCallbackBlock_();
    }
}

void TKView::setBackgroundColor(std::optional<QColor> color) {
    backgroundColor_ = color;
}

void TKView::setAcceptsFirstResponder(bool accepts) {
    acceptsFirstResponder_ = accepts;
    updateFocusPolicy();
}

void TKView::setBecomeFirstResponder(bool become) {
    becomeFirstResponder_ = become;
    updateFocusPolicy();
}

void TKView::updateFocusPolicy() {
    setFocusPolicy(acceptsFirstResponder_ && becomeFirstResponder_ ? Qt::StrongFocus : Qt::NoFocus);
}

bool TKView::focusNextPrevChild(bool next) {
    if (hasFocus() && !resignFirstResponder_) {
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

void TKView::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (enabled) {
        if (disableMaskView_ != nullptr) {
            TKView* mask = disableMaskView_;
            disableMaskView_ = nullptr;
            mask->hide();
            mask->setParent(nullptr);
            mask->deleteLater();
        }
        return;
    }
    if (disableMaskView_ != nullptr) {
        return;
    }
    auto* mask = new TKView(rect(), this);
    mask->setBackgroundColor(QColor::fromRgbF(0.0f, 0.0f, 0.0f, 0.5f));
    mask->setEventHandleBlock([](QEvent*, bool& handled) { handled = true; });
    disableMaskView_ = mask;
    mask->raise();
    mask->show();
}

void TKView::addSubview(QWidget* view) {
    view->setParent(this);
    view->show();
    if (disableMaskView_ != nullptr) {
        view->stackUnder(disableMaskView_);
    }
}

QRectF TKView::borderRectForBounds(const QRectF& bounds, double width) {
    return bounds.adjusted(width / 2, width / 2, -width / 2, -width / 2);
}

bool TKView::event(QEvent* event) {
    if (event->type() == QEvent::ChildAdded && disableMaskView_ != nullptr) {
        const auto* child = static_cast<QChildEvent*>(event)->child();
        if (child != disableMaskView_ && child->isWidgetType()) {
            disableMaskView_->raise();
        }
    }
    if (eventHandleBlock_ && isInputEvent(event->type())) {
        bool handled = false;
        // A copy: the block may replace itself while it runs.
        const EventHandleBlock block = eventHandleBlock_;
        block(event, handled);
        if (handled) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void TKView::paintEvent(QPaintEvent* event) {
    if (drawingBlock_) {
        drawingBlock_(this, event->rect());
        return;
    }
    QPainter painter(this);
    if (backgroundColor_) {
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.fillRect(event->rect(), *backgroundColor_);
    }
    if (borderColor_ && borderWidth_ > 0.0) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(*borderColor_, borderWidth_));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(borderRectForBounds(QRectF(rect()), borderWidth_), cornerRadius_,
                                cornerRadius_);
    }
}

void TKView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (disableMaskView_ != nullptr) {
        disableMaskView_->setGeometry(rect());
    }
}

} // namespace TamsuToolKit
