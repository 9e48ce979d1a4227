#include "WindowPolicy.h"

namespace TamsuToolKit::detail {

void applyKeyWindowPolicy(QWidget* window, bool canBecomeKey) {
    window->setAttribute(Qt::WA_ShowWithoutActivating, !canBecomeKey);
    const bool refuses = window->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus);
    if (refuses == !canBecomeKey) {
        return;
    }
    // Changing window flags hides a shown window; show it again.
    const bool wasVisible = window->isVisible();
    window->setWindowFlag(Qt::WindowDoesNotAcceptFocus, !canBecomeKey);
    if (wasVisible) {
        window->show();
    }
}

} // namespace TamsuToolKit::detail
