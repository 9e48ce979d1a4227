#pragma once

#include <QWidget>

namespace TamsuToolKit::detail {

// A window that may not become key neither takes the keyboard nor activates on show.
void applyKeyWindowPolicy(QWidget* window, bool canBecomeKey);

} // namespace TamsuToolKit::detail
