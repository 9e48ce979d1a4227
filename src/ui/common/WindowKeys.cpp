#include "ui/common/WindowKeys.h"

#include <QKeyEvent>

namespace eboard {

std::optional<WindowKey> releasedWindowKey(const QKeyEvent& event) {
    if (event.type() != QEvent::KeyRelease || event.isAutoRepeat()) {
        return std::nullopt;
    }
    switch (event.key()) {
    case Qt::Key_Escape:
        return WindowKey::Escape;
    case Qt::Key_Space:
        return WindowKey::Space;
    default:
        return std::nullopt;
    }
}

} // namespace eboard
