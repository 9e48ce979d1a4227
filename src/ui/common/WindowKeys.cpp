#include "ui/common/WindowKeys.h"

#include <QKeyEvent>

namespace eboard {

std::optional<WindowKey> releasedWindowKey(const QKeyEvent& event) {
    if (event.type() != QEvent::KeyRelease || event.isAutoRepeat()) {
        return std::nullopt;
    }
    return windowKeyOf(event.key());
}

std::optional<WindowKey> windowKeyOf(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Escape:
        return WindowKey::Escape;
    case Qt::Key_Space:
        return WindowKey::Space;
    default:
        return std::nullopt;
    }
}

bool pressesFocusedButton(int qtKey) {
    return qtKey == Qt::Key_Space || qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter;
}

} // namespace eboard
