#include "ScreenSpace.h"
#include "WindowPolicy.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <TamsuToolKit/MAAttachedWindow.h>
#include <cmath>

namespace TamsuToolKit {

namespace {

// Qt's user space is already device independent: one layout unit is one
// logical pixel, whatever the screen's device pixel ratio.
constexpr double kScale = 1.0;

QRect roundedRect(const QRectF& r) {
    return {static_cast<int>(std::lround(r.x())), static_cast<int>(std::lround(r.y())),
            static_cast<int>(std::lround(r.width())), static_cast<int>(std::lround(r.height()))};
}

bool truncatedFlag(float value) {
    return static_cast<int>(value) != 0;
}

} // namespace

MAAttachedWindow::MAAttachedWindow(QWidget* view, QPointF point, QWidget* window, int side,
                                   float distance)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint)
    , fill_(QColor::fromRgbF(0.1f, 0.1f, 0.1f, 0.75f))
    , view_(view)
    , window_(window)
    , point_(point)
    , side_(side)
    , distance_(distance) {
    Q_ASSERT(view != nullptr);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowOpacity(1.0);
    viewFrame_ = QRectF(QPointF(0.0, 0.0), QSizeF(view->size()));
    if (side_ == AutomaticSide) {
        side_ = bestSideForAutomaticPosition();
    }
    view->setParent(this);
    updateGeometry();
    updateBackground();
    view->show();
    applyKeyWindowPolicy();
}

MAAttachedWindow::~MAAttachedWindow() = default;

std::unique_ptr<MAAttachedWindow> MAAttachedWindow::initWithView(QWidget* view, QPointF point,
                                                                 QWidget* window, int side,
                                                                 float distance) {
    if (view == nullptr) {
        return nullptr;
    }
    return std::make_unique<MAAttachedWindow>(view, point, window, side, distance);
}

std::unique_ptr<MAAttachedWindow> MAAttachedWindow::initWithView(QWidget* view, QPointF point,
                                                                 int side, float distance) {
    return initWithView(view, point, nullptr, side, distance);
}

void MAAttachedWindow::applyKeyWindowPolicy() {
    detail::applyKeyWindowPolicy(this, canBecomeKeyWindow());
}

QPointF MAAttachedWindow::anchorInLayoutSpace() const {
    const QPointF global = window_ != nullptr ? window_->mapToGlobal(point_) : point_;
    return detail::ScreenSpace::current().toYUp(global);
}

int MAAttachedWindow::bestSideForAutomaticPosition() const {
    const auto space = detail::ScreenSpace::current();
    const QScreen* screen = window_ != nullptr ? window_->screen() : nullptr;
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    const QRectF visible =
        screen != nullptr ? space.toYUp(QRectF(screen->availableGeometry())) : QRectF();
    const QRectF parentFrame =
        window_ != nullptr ? space.toYUp(QRectF(window_->frameGeometry())) : visible;
    return Bubble::bestSideForAutomaticPosition(viewSize(), anchorInLayoutSpace(), distance_,
                                                style_, visible, parentFrame, kScale);
}

void MAAttachedWindow::updateGeometry() {
    const QSizeF size = view_ != nullptr ? QSizeF(view_->size()) : viewSize();
    const Bubble::Layout layout =
        Bubble::updateGeometry(size, anchorInLayoutSpace(), side_, distance_, style_, kScale);
    viewFrame_ = layout.viewFrame;
    setGeometry(roundedRect(detail::ScreenSpace::current().toQt(layout.windowFrame)));
    if (view_ != nullptr) {
        const QRectF& v = layout.viewFrame;
        view_->setGeometry(roundedRect(
            {v.x(), layout.windowFrame.height() - v.y() - v.height(), v.width(), v.height()}));
    }
}

void MAAttachedWindow::updateBackground() {
    const QSize windowSize = size();
    const qreal ratio = devicePixelRatioF();
    QImage bubble(windowSize * ratio, QImage::Format_ARGB32_Premultiplied);
    bubble.setDevicePixelRatio(ratio);
    bubble.fill(Qt::transparent);
    {
        QPainter painter(&bubble);
        painter.setRenderHint(QPainter::Antialiasing);
        // The outline is computed y-up; flip once for the image.
        painter.translate(0.0, windowSize.height());
        painter.scale(1.0, -1.0);
        const QPainterPath outline = Bubble::backgroundPath(viewFrame_, side_, style_, kScale);
        painter.setClipPath(outline);
        painter.fillPath(outline, fill_);
        if (style_.borderWidth > 0.0f) {
            // Half of the stroke falls outside the clip, so borderWidth shows.
            QPen pen(borderColor_, 2.0 * style_.borderWidth * kScale);
            pen.setJoinStyle(Qt::RoundJoin);
            painter.strokePath(outline, pen);
        }
    }
    bubbleImage_ = bubble;
    if (isVisible()) {
        update();
    }
}

void MAAttachedWindow::redisplay() {
    if (resizing_) {
        return;
    }
    resizing_ = true;
    updateGeometry();
    updateBackground();
    resizing_ = false;
}

void MAAttachedWindow::setPoint(QPointF point, int side) {
    point_ = point;
    side_ = side;
    updateGeometry();
    updateBackground();
}

void MAAttachedWindow::setBorderColor(const QColor& color) {
    if (color == borderColor_) {
        return;
    }
    borderColor_ = color;
    updateBackground();
}

void MAAttachedWindow::setBackgroundColor(const QColor& color) {
    if (fill_ == QBrush(color)) {
        return;
    }
    fill_ = QBrush(color);
    updateBackground();
}

void MAAttachedWindow::setBackgroundImage(const QImage& image) {
    if (image.isNull()) {
        return;
    }
    fill_ = QBrush(image);
    updateBackground();
}

void MAAttachedWindow::setBorderWidth(float width) {
    if (width == style_.borderWidth) {
        return;
    }
    style_ = Bubble::applyBorderWidth(style_, width);
    updateBackground();
}

void MAAttachedWindow::setViewMargin(float margin) {
    if (margin == style_.viewMargin) {
        return;
    }
    style_ = Bubble::applyViewMargin(style_, margin, viewSize());
    redisplay();
}

void MAAttachedWindow::setCornerRadius(float radius) {
    style_ = Bubble::applyCornerRadius(style_, radius, viewSize());
    redisplay();
}

void MAAttachedWindow::setArrowBaseWidth(float width) {
    style_ = Bubble::applyArrowBaseWidth(style_, width, viewSize());
    redisplay();
}

void MAAttachedWindow::setArrowHeight(float height) {
    if (height == style_.arrowHeight) {
        return;
    }
    style_.arrowHeight = height;
    redisplay();
}

void MAAttachedWindow::setHasArrow(float hasArrow) {
    const bool value = truncatedFlag(hasArrow);
    if (value == style_.hasArrow) {
        return;
    }
    style_.hasArrow = value;
    updateBackground();
}

void MAAttachedWindow::setDrawsRoundCornerBesideArrow(float draws) {
    const bool value = truncatedFlag(draws);
    if (value == style_.drawsRoundCornerBesideArrow) {
        return;
    }
    style_.drawsRoundCornerBesideArrow = value;
    redisplay();
}

void MAAttachedWindow::performClose() {
    if (window_ != nullptr) {
        window_->close();
        return;
    }
    close();
}

void MAAttachedWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(event->rect(), bubbleImage_,
                      QRectF(QPointF(event->rect().topLeft()) * bubbleImage_.devicePixelRatio(),
                             QSizeF(event->rect().size()) * bubbleImage_.devicePixelRatio()));
}

void MAAttachedWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    redisplay();
}

} // namespace TamsuToolKit
