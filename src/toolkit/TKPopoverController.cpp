#include "ScreenSpace.h"

#include <QWindow>
#include <TamsuToolKit/Fade.h>
#include <TamsuToolKit/TKPopoverController.h>

namespace TamsuToolKit {

namespace {

// An opacity fade still running would carry on after an unanimated present or
// dismiss, and a fade-out would even hide the window just presented.
void stopFades(QWidget* window) {
    for (auto* fade :
         window->findChildren<QPropertyAnimation*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (fade->propertyName() == "windowOpacity") {
            fade->stop();
        }
    }
}

} // namespace

TKPopoverController::TKPopoverController(QWidget* contentViewController, QObject* parent)
    : QObject(parent)
    , contentViewController_(contentViewController) {
    auto* container = new QWidget;
    container->resize(contentViewController->size());
    contentViewController->setParent(container);
    contentViewController->move(0, 0);
    containerView_ = container;

    // Attached to the screen origin (bottom-left) until presented.
    const QPointF screenOrigin(0.0, detail::ScreenSpace::current().primaryBottom);
    window_ = std::make_unique<TKPopoverWindow>(container, screenOrigin, nullptr,
                                                MAAttachedWindow::AutomaticSide, 0.0f);
    window_->setBorderColor(Qt::white);
    window_->setBackgroundColor(QColor::fromRgbF(0.0f, 0.0f, 0.0f, 0.75f));
    window_->setViewMargin(5.0f);
    window_->setBorderWidth(2.0f);
    window_->setCornerRadius(10.0f);
    window_->setHasArrow(1.0f);
    window_->setDrawsRoundCornerBesideArrow(1.0f);
    window_->setArrowBaseWidth(10.0f);
    window_->setArrowHeight(10.0f);
    window_->setWindowOpacity(0.0);
}

TKPopoverController::~TKPopoverController() = default;

void TKPopoverController::presentPopoverFromButton(QWidget* button,
                                                   std::uint64_t permittedArrowDirections,
                                                   bool animated) {
    if (button == nullptr || !button->window()->isVisible()) {
        return;
    }
    const bool up = (permittedArrowDirections & ArrowDirectionUp) != 0;
    const bool sideways =
        (permittedArrowDirections & (ArrowDirectionLeft | ArrowDirectionRight)) != 0;
    if (up && !sideways) {
        // Middle of the button's top edge; the arrow on the bubble's bottom edge
        // points down at it.
        window_->setPoint(button->mapToGlobal(QPointF(button->width() / 2.0, 0.0)), 3);
    }

    parentWindow_ = button->window();
    window_->winId();
    if (QWindow* handle = window_->windowHandle()) {
        handle->setTransientParent(parentWindow_->windowHandle());
    }
    if (animated) {
        Fade::fadeIn(window_.get());
        return;
    }
    stopFades(window_.get());
    window_->setWindowOpacity(1.0);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void TKPopoverController::dismissPopoverAnimated(bool animated) {
    if (animated) {
        // A fully transparent window would still take the pointer's clicks here,
        // so the window goes once the fade has ended.
        QPropertyAnimation* fade = Fade::fadeOut(window_.get());
        TKPopoverWindow* popover = window_.get();
        connect(fade, &QPropertyAnimation::finished, popover, [popover] { popover->hide(); });
    } else {
        stopFades(window_.get());
        window_->hide();
    }
    if (QWindow* handle = window_->windowHandle()) {
        handle->setTransientParent(nullptr);
    }
    parentWindow_ = nullptr;
}

} // namespace TamsuToolKit
