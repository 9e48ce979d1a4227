#include "WindowPolicy.h"

#include <TamsuToolKit/TKWindow.h>

namespace TamsuToolKit {

TKWindow::TKWindow(QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags) {
    detail::applyKeyWindowPolicy(this, canBecomeKeyWindow_);
}

void TKWindow::setCanBecomeKeyWindow(bool can) {
    canBecomeKeyWindow_ = can;
    detail::applyKeyWindowPolicy(this, can);
}

} // namespace TamsuToolKit
