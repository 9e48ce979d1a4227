#include "ui/common/BoardScreen.h"

#include <QGuiApplication>
#include <QScreen>

namespace eboard {

QScreen* boardScreen() {
    return QGuiApplication::primaryScreen();
}

QRect boardScreenGeometry() {
    const QScreen* screen = boardScreen();
    return screen != nullptr ? screen->geometry() : QRect();
}

} // namespace eboard
