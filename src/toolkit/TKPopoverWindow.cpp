#include <TamsuToolKit/TKPopoverWindow.h>

namespace TamsuToolKit {

TKPopoverWindow::TKPopoverWindow(QWidget* view, QPointF point, QWidget* window, int side,
                                 float distance)
    : MAAttachedWindow(view, point, window, side, distance) {
    applyKeyWindowPolicy();
}

std::unique_ptr<TKPopoverWindow> TKPopoverWindow::initWithView(QWidget* view, QPointF point,
                                                               QWidget* window, int side,
                                                               float distance) {
    if (view == nullptr) {
        return nullptr;
    }
    return std::make_unique<TKPopoverWindow>(view, point, window, side, distance);
}

std::unique_ptr<TKPopoverWindow> TKPopoverWindow::initWithView(QWidget* view, QPointF point,
                                                               int side, float distance) {
    return initWithView(view, point, nullptr, side, distance);
}

void TKPopoverWindow::setCanBecomeKeyWindow(bool can) {
    canBecomeKeyWindow_ = can;
    applyKeyWindowPolicy();
}

} // namespace TamsuToolKit
