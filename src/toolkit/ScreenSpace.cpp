#include "ScreenSpace.h"

#include <QGuiApplication>
#include <QScreen>

namespace TamsuToolKit::detail {

ScreenSpace ScreenSpace::current() {
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary == nullptr) {
        return {};
    }
    const QRect g = primary->geometry();
    return {static_cast<double>(g.y() + g.height())};
}

} // namespace TamsuToolKit::detail
